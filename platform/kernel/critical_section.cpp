// Critical sections: recursive locks of one process over a futex in LockCount
// (0 free, 1 held, 2 held with waiters).
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

#include <windows.h>

#include "kernel/thread.h"

static_assert(sizeof(LONG) == 4, "the futex word is 32 bits");

namespace {

// The futex word: LONG is 32 bits in this build.
LONG* word(LPCRITICAL_SECTION cs) { return &cs->LockCount; }

void futex(LONG* address, int operation, int value) {
  syscall(SYS_futex, address, operation, value, nullptr, nullptr, 0);
}

HANDLE owner_value(DWORD tid) { return reinterpret_cast<HANDLE>(uintptr_t(tid)); }

bool owned_by_caller(LPCRITICAL_SECTION cs, DWORD tid) {
  return __atomic_load_n(&cs->OwningThread, __ATOMIC_RELAXED) == owner_value(tid);
}

void take(LPCRITICAL_SECTION cs, DWORD tid) {
  __atomic_store_n(&cs->OwningThread, owner_value(tid), __ATOMIC_RELAXED);
  cs->RecursionCount = 1;
}

}  // namespace

extern "C" {

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs) { std::memset(cs, 0, sizeof *cs); }

BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION cs, DWORD spin_count) {
  InitializeCriticalSection(cs);
  cs->SpinCount = spin_count;
  return TRUE;
}

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs) {
  DWORD tid = platform::thread::current_id();
  if (owned_by_caller(cs, tid)) {
    ++cs->RecursionCount;
    return;
  }
  LONG* w = word(cs);
  LONG seen = 0;
  if (!__atomic_compare_exchange_n(w, &seen, 1, false, __ATOMIC_ACQUIRE, __ATOMIC_RELAXED)) {
    if (seen != 2) seen = __atomic_exchange_n(w, 2, __ATOMIC_ACQUIRE);
    while (seen != 0) {
      futex(w, FUTEX_WAIT_PRIVATE, 2);
      seen = __atomic_exchange_n(w, 2, __ATOMIC_ACQUIRE);
    }
  }
  take(cs, tid);
}

BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs) {
  DWORD tid = platform::thread::current_id();
  if (owned_by_caller(cs, tid)) {
    ++cs->RecursionCount;
    return TRUE;
  }
  LONG seen = 0;
  if (!__atomic_compare_exchange_n(word(cs), &seen, 1, false, __ATOMIC_ACQUIRE, __ATOMIC_RELAXED)) return FALSE;
  take(cs, tid);
  return TRUE;
}

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs) {
  if (!owned_by_caller(cs, platform::thread::current_id())) return;  // not the owner's to leave
  if (--cs->RecursionCount > 0) return;
  __atomic_store_n(&cs->OwningThread, HANDLE(nullptr), __ATOMIC_RELAXED);
  LONG* w = word(cs);
  if (__atomic_fetch_sub(w, 1, __ATOMIC_RELEASE) != 1) {
    __atomic_store_n(w, 0, __ATOMIC_RELEASE);
    futex(w, FUTEX_WAKE_PRIVATE, 1);
  }
}

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs) { std::memset(cs, 0, sizeof *cs); }

}  // extern "C"
