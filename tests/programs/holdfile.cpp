// Holds a file open until its standard input closes: holdfile PATH ACCESS SHARE, where ACCESS
// is r, w or rw and SHARE the FILE_SHARE_* mask. Prints "open" or "error N" first.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  DWORD access = 0;
  if (std::strchr(argv[2], 'r')) access |= GENERIC_READ;
  if (std::strchr(argv[2], 'w')) access |= GENERIC_WRITE;
  HANDLE h = CreateFileA(argv[1], access, DWORD(std::strtoul(argv[3], nullptr, 0)), nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    std::printf("error %u\n", GetLastError());
    return 1;
  }
  std::printf("open\n");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  CloseHandle(h);
  return 0;
}
