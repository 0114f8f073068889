// Handles and the per-thread last error.
#pragma once

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define HANDLE_FLAG_INHERIT 0x00000001
#define HANDLE_FLAG_PROTECT_FROM_CLOSE 0x00000002

BOOL WINAPI CloseHandle(HANDLE hObject);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);

#ifdef __cplusplus
}
#endif
