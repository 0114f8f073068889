// WaitForSingleObject, WaitForMultipleObjects, Sleep, SleepEx: all in machine time.
#include <sched.h>

#include <windows.h>

#include "kernel/thread_wait.h"
#include "kernel/wait.h"

extern "C" {

DWORD WINAPI WaitForSingleObject(HANDLE h, DWORD milliseconds) {
  auto object = platform::thread::waitable(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return platform::thread::wait_for({object}, false, milliseconds);
}

DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL wait_all, DWORD milliseconds) {
  if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<platform::Waitable>> objects;
  if (!platform::thread::waitables(handles, count, wait_all, objects)) return WAIT_FAILED;
  return platform::thread::wait_for(objects, wait_all, milliseconds);
}

void WINAPI Sleep(DWORD milliseconds) {
  if (milliseconds == 0)
    sched_yield();  // gives up the rest of the time slice
  else
    platform::wait::sleep(milliseconds);
}

DWORD WINAPI SleepEx(DWORD milliseconds, BOOL) {
  Sleep(milliseconds);  // no asynchronous procedure calls are ever queued
  return 0;
}

}  // extern "C"
