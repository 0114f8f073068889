// The shell's command-line splitter. Not included by windows.h: programs include it as on
// Windows.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// One LocalAlloc block holds the pointer array and the strings; free it with LocalFree.
LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR lpCmdLine, int* pNumArgs);

#ifdef __cplusplus
}
#endif
