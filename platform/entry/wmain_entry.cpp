// The C runtime's start of a wide console program: wmain receives the arguments split by the
// runtime's rules. Compiled into each such program of the Linux build.
#include <stdlib.h>
#include <windows.h>

int wmain(int argc, wchar_t* argv[]);

int main() { return wmain(__argc, __wargv); }
