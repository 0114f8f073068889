// Handle attributes and DuplicateHandle. Duplicates name the same object; only the current
// process can be the source or the target.
#include "kernel/handles.h"
#include "kernel/process_object.h"

extern "C" {

BOOL WINAPI GetHandleInformation(HANDLE hObject, LPDWORD lpdwFlags) {
  if (!platform::handles::flags(hObject, lpdwFlags)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI SetHandleInformation(HANDLE hObject, DWORD dwMask, DWORD dwFlags) {
  const DWORD known = HANDLE_FLAG_INHERIT | HANDLE_FLAG_PROTECT_FROM_CLOSE;
  if (!platform::handles::set_flags(hObject, dwMask & known, dwFlags)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI DuplicateHandle(HANDLE hSourceProcessHandle, HANDLE hSourceHandle, HANDLE hTargetProcessHandle,
                            LPHANDLE lpTargetHandle, DWORD, BOOL bInheritHandle, DWORD dwOptions) {
  if (!platform::is_current_process(hSourceProcessHandle) || !platform::is_current_process(hTargetProcessHandle)) {
    SetLastError(platform::process_of(hSourceProcessHandle) && platform::process_of(hTargetProcessHandle)
                     ? ERROR_NOT_SUPPORTED
                     : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::shared_ptr<platform::Object> object =
      hSourceHandle == GetCurrentProcess() ? platform::process_of(hSourceHandle) : platform::handles::get(hSourceHandle);
  // The source goes even when the duplicate cannot be made.
  if (dwOptions & DUPLICATE_CLOSE_SOURCE) platform::handles::close(hSourceHandle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (lpTargetHandle) *lpTargetHandle = platform::handles::add(std::move(object), bInheritHandle);
  return TRUE;
}

}  // extern "C"
