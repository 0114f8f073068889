// CreateThread and _beginthreadex, thread exit, exit codes, ids, priorities.
#include <process.h>
#include <unistd.h>

#include <cerrno>

#include <windows.h>

#include "kernel/handles.h"
#include "kernel/thread.h"

namespace {

using platform::ThreadObject;

std::shared_ptr<ThreadObject> thread_object(HANDLE h) {
  if (h == GetCurrentThread()) return platform::thread::current();
  auto thread = platform::handles::get_as<ThreadObject>(h);
  if (!thread) SetLastError(ERROR_INVALID_HANDLE);
  return thread;
}

// The handle and id of a new thread running `body`, or null with errno set.
HANDLE start_thread(const SECURITY_ATTRIBUTES* attributes, DWORD flags, std::function<DWORD()> body, DWORD* id) {
  auto thread = platform::thread::start(std::move(body), (flags & CREATE_SUSPENDED) != 0);
  if (!thread) return nullptr;
  if (id) *id = thread->id();
  return platform::handles::add(thread, attributes && attributes->bInheritHandle);
}

bool valid_priority(int priority) {
  return (priority >= THREAD_PRIORITY_LOWEST && priority <= THREAD_PRIORITY_HIGHEST) ||
         priority == THREAD_PRIORITY_IDLE || priority == THREAD_PRIORITY_TIME_CRITICAL;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                           DWORD flags, LPDWORD thread_id) {
  if (!start) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HANDLE h = start_thread(attributes, flags, [start, parameter] { return start(parameter); }, thread_id);
  if (!h) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return h;
}

uintptr_t __cdecl _beginthreadex(void* security, unsigned, unsigned(__stdcall* start)(void*), void* argument,
                                 unsigned flags, unsigned* thread_id) {
  if (!start) {
    errno = EINVAL;
    return 0;
  }
  DWORD id = 0;
  HANDLE h = start_thread(static_cast<const SECURITY_ATTRIBUTES*>(security), flags,
                          [start, argument] { return DWORD(start(argument)); }, &id);
  if (h && thread_id) *thread_id = id;
  return reinterpret_cast<uintptr_t>(h);
}

void __cdecl _endthreadex(unsigned code) { platform::thread::exit(code); }

void WINAPI ExitThread(DWORD code) { platform::thread::exit(code); }

DWORD WINAPI ResumeThread(HANDLE h) {
  auto thread = thread_object(h);
  return thread ? thread->resume() : DWORD(-1);
}

BOOL WINAPI GetExitCodeThread(HANDLE h, LPDWORD code) {
  auto thread = thread_object(h);
  if (!thread) return FALSE;
  if (!code) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  *code = thread->exit_code();
  return TRUE;
}

HANDLE WINAPI GetCurrentThread(void) { return reinterpret_cast<HANDLE>(LONG_PTR(-2)); }

DWORD WINAPI GetCurrentThreadId(void) { return platform::thread::current_id(); }

DWORD WINAPI GetCurrentProcessId(void) { return DWORD(getpid()); }

// Accepted and remembered; the Linux scheduler is not told.
BOOL WINAPI SetThreadPriority(HANDLE h, int priority) {
  auto thread = thread_object(h);
  if (!thread) return FALSE;
  if (!valid_priority(priority)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  thread->priority = priority;
  return TRUE;
}

int WINAPI GetThreadPriority(HANDLE h) {
  auto thread = thread_object(h);
  return thread ? thread->priority.load() : THREAD_PRIORITY_ERROR_RETURN;
}

}  // extern "C"
