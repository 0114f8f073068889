// Consoles: allocating, attaching and freeing a process's console, its window, and writing to it.
#pragma once

#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

#define ATTACH_PARENT_PROCESS ((DWORD)-1)

BOOL WINAPI AllocConsole(void);
BOOL WINAPI AttachConsole(DWORD dwProcessId);
BOOL WINAPI FreeConsole(void);
HWND WINAPI GetConsoleWindow(void);
BOOL WINAPI WriteConsoleW(HANDLE hConsoleOutput, const void* lpBuffer, DWORD nNumberOfCharsToWrite,
                          LPDWORD lpNumberOfCharsWritten, LPVOID lpReserved);
BOOL WINAPI WriteConsoleA(HANDLE hConsoleOutput, const void* lpBuffer, DWORD nNumberOfCharsToWrite,
                          LPDWORD lpNumberOfCharsWritten, LPVOID lpReserved);

#ifdef __cplusplus
}
#endif
