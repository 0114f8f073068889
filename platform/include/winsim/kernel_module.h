// Run-time modules: the machine's built-in DLLs and the functions they export.
#pragma once

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);

#ifdef __cplusplus
}
#endif
