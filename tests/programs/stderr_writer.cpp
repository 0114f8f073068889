// A child that writes its arguments, separated by blanks, to its standard error only.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) text += std::string(i > 1 ? " " : "") + argv[i];
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), DWORD(text.size()), &written, NULL) ? 0 : 1;
}
