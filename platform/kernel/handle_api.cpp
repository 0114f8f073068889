// CloseHandle and the per-thread last error.
#include <windows.h>

#include "kernel/handles.h"

namespace {
thread_local DWORD t_last_error = 0;
}

extern "C" {

DWORD WINAPI GetLastError(void) { return t_last_error; }

void WINAPI SetLastError(DWORD code) { t_last_error = code; }

BOOL WINAPI CloseHandle(HANDLE h) {
  if (!platform::handles::close(h)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
