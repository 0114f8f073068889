// WaitForSingleObject, WaitForMultipleObjects, Sleep, SleepEx: all in machine time.
#include <sched.h>

#include <algorithm>

#include <windows.h>

#include "kernel/handles.h"
#include "kernel/thread.h"
#include "kernel/thread_wait.h"
#include "kernel/wait.h"

namespace {

std::shared_ptr<platform::Waitable> waitable(HANDLE h) {
  if (h == GetCurrentThread()) return platform::thread::current();
  return platform::handles::get_as<platform::Waitable>(h);
}

}  // namespace

extern "C" {

DWORD WINAPI WaitForSingleObject(HANDLE h, DWORD milliseconds) {
  auto object = waitable(h);
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
  for (DWORD i = 0; i < count; ++i) {
    auto object = waitable(handles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    // Waiting for all of one object twice, even through two handles, is refused.
    if (wait_all && std::find(objects.begin(), objects.end(), object) != objects.end()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return WAIT_FAILED;
    }
    objects.push_back(std::move(object));
  }
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
