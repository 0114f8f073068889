// Shows what a program started by `winsim run` receives: one line per argument after the
// program name, in brackets, then its current directory; exits with the first argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) std::printf("[%s]\n", argv[i]);
  char directory[MAX_PATH];
  DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
  std::printf("cwd=%.*s\n", int(length), directory);
  return argc > 1 ? std::atoi(argv[1]) : 0;
}
