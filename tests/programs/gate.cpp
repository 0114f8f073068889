// A stand-in program that holds until the test lets it go: it waits for a file named like
// itself with ".release" in place of ".exe", in its own folder, and then exits with 0.
#include <windows.h>

#include <string>

int main() {
  WCHAR path[MAX_PATH];
  DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
  std::u16string release(reinterpret_cast<const char16_t*>(path), length);
  release = release.substr(0, release.rfind(u'.')) + u".release";
  while (GetFileAttributesW(reinterpret_cast<const WCHAR*>(release.c_str())) == INVALID_FILE_ATTRIBUTES) Sleep(20);
  return 0;
}
