// A program that only says who it is, by its exit code: tests put it where another program of
// the same name must be found first.
#include <windows.h>

int main() { return 42; }
