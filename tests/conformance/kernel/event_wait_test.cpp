#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "support/thread.h"
#include "support/wide.h"

namespace {

using testing_support::Thread;
using testing_support::W;

void real_sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Threads that each wait once on an event without a time-out and count their wake-ups.
class Waiters {
 public:
  Waiters(HANDLE event, int count) {
    for (int i = 0; i < count; ++i)
      threads_.emplace_back([this, event] {
        ++started_;
        if (WaitForSingleObject(event, INFINITE) == WAIT_OBJECT_0) ++woken_;
      });
    while (started_ < count) real_sleep(5);
    real_sleep(100);  // all of them are waiting now
  }
  ~Waiters() {
    for (auto& t : threads_) t.join();
  }
  // The wake-ups once `expected` of them have come (a loaded host may be slow to run a woken
  // thread) and a moment more, in which a wake-up too many would show.
  int woken(int expected) {
    for (int i = 0; i < 1000 && woken_ < expected; ++i) real_sleep(10);
    real_sleep(100);
    return woken_;
  }

 private:
  std::vector<Thread> threads_;
  std::atomic<int> started_{0};
  std::atomic<int> woken_{0};
};

TEST(EventTest, AutoResetReleasesExactlyOneWaiterPerSet) {
  HANDLE e = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  {
    Waiters waiters(e, 3);
    EXPECT_EQ(waiters.woken(0), 0);
    SetEvent(e);
    EXPECT_EQ(waiters.woken(1), 1);
    SetEvent(e);
    EXPECT_EQ(waiters.woken(2), 2);
    SetEvent(e);
    EXPECT_EQ(waiters.woken(3), 3);
  }
  EXPECT_EQ(WaitForSingleObject(e, 0), DWORD(WAIT_TIMEOUT));  // each wake-up reset it

  SetEvent(e);
  SetEvent(e);  // a set event stays set once, however often it is set
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(e, 0), DWORD(WAIT_TIMEOUT));
  CloseHandle(e);
}

TEST(EventTest, ManualResetReleasesEveryWaiterAndStaysSet) {
  HANDLE e = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    Waiters waiters(e, 3);
    SetEvent(e);
    EXPECT_EQ(waiters.woken(3), 3);
  }
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_OBJECT_0);
  ResetEvent(e);
  EXPECT_EQ(WaitForSingleObject(e, 0), DWORD(WAIT_TIMEOUT));
  HANDLE initially_set = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(initially_set, 0), WAIT_OBJECT_0);
  CloseHandle(initially_set);
  CloseHandle(e);
}

TEST(EventTest, PulseReleasesTheWaitersOfTheMomentAndLeavesItUnset) {
  HANDLE manual = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    Waiters waiters(manual, 2);
    PulseEvent(manual);
    EXPECT_EQ(waiters.woken(2), 2);
  }
  EXPECT_EQ(WaitForSingleObject(manual, 0), DWORD(WAIT_TIMEOUT));

  HANDLE automatic = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  {
    Waiters waiters(automatic, 2);
    PulseEvent(automatic);
    EXPECT_EQ(waiters.woken(1), 1);
    SetEvent(automatic);
    EXPECT_EQ(waiters.woken(2), 2);
  }
  // A pulse nobody waits for is lost, also for a thread whose earlier wait had timed out.
  EXPECT_EQ(WaitForSingleObject(automatic, 10), DWORD(WAIT_TIMEOUT));
  PulseEvent(automatic);
  EXPECT_EQ(WaitForSingleObject(automatic, 0), DWORD(WAIT_TIMEOUT));
  CloseHandle(automatic);
  CloseHandle(manual);
}

TEST(EventTest, NamedEventsAreSharedInTheProcess) {
  SetLastError(999);
  HANDLE first = CreateEventW(nullptr, TRUE, FALSE, W(u"Tarvolt.Quit"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
  HANDLE second = CreateEventA(nullptr, FALSE, TRUE, "Tarvolt.Quit");  // the existing one, as it is
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(WaitForSingleObject(second, 0), DWORD(WAIT_TIMEOUT));
  SetEvent(second);
  HANDLE opened = OpenEventW(EVENT_ALL_ACCESS, FALSE, W(u"Tarvolt.Quit"));
  EXPECT_EQ(WaitForSingleObject(opened, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0);  // manual reset: still set

  EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, "Tarvolt.Other"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(CreateMutexW(nullptr, FALSE, W(u"Tarvolt.Quit")), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(SetEvent(reinterpret_cast<HANDLE>(0x7770)));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  for (HANDLE h : {first, second, opened}) CloseHandle(h);
}

TEST(WaitTest, WaitForAnyReportsTheLowestSignalledIndex) {
  HANDLE a = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE b = CreateEventW(nullptr, FALSE, TRUE, nullptr);
  HANDLE c = CreateEventW(nullptr, FALSE, TRUE, nullptr);
  HANDLE all[] = {a, b, c};
  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(WaitForSingleObject(c, 0), WAIT_OBJECT_0);  // only b was taken
  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 0), DWORD(WAIT_TIMEOUT));
  HANDLE twice[] = {a, a};  // duplicates are fine when any one will do
  SetEvent(a);
  EXPECT_EQ(WaitForMultipleObjects(2, twice, FALSE, 0), WAIT_OBJECT_0);
  for (HANDLE h : all) CloseHandle(h);
}

TEST(WaitTest, WaitForAllTakesNothingUntilEverythingIsSignalled) {
  HANDLE a = CreateEventW(nullptr, FALSE, TRUE, nullptr);
  HANDLE m = CreateMutexW(nullptr, FALSE, nullptr);
  HANDLE b = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE all[] = {a, m, b};
  EXPECT_EQ(WaitForMultipleObjects(3, all, TRUE, 20), DWORD(WAIT_TIMEOUT));
  Thread([&] {
    EXPECT_EQ(WaitForSingleObject(a, 0), WAIT_OBJECT_0);  // a stayed set, m stayed free
    SetEvent(a);
    EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);
    ReleaseMutex(m);
  }).join();

  Thread setter([&] {
    real_sleep(50);
    SetEvent(b);
  });
  EXPECT_EQ(WaitForMultipleObjects(3, all, TRUE, 10000), WAIT_OBJECT_0);
  setter.join();
  EXPECT_EQ(WaitForSingleObject(a, 0), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(b, 0), DWORD(WAIT_TIMEOUT));
  Thread([&] { EXPECT_EQ(WaitForSingleObject(m, 0), DWORD(WAIT_TIMEOUT)); }).join();  // owned here
  EXPECT_TRUE(ReleaseMutex(m));
  for (HANDLE h : all) CloseHandle(h);
}

TEST(WaitTest, BadArgumentsFail) {
  HANDLE e = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  std::vector<HANDLE> many(MAXIMUM_WAIT_OBJECTS + 1, e);
  EXPECT_EQ(WaitForMultipleObjects(0, many.data(), FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(WaitForMultipleObjects(DWORD(many.size()), many.data(), FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(WaitForMultipleObjects(MAXIMUM_WAIT_OBJECTS, many.data(), FALSE, 0), WAIT_OBJECT_0);

  // One object twice in a wait for all, even through two handles of its name, is refused.
  HANDLE named = CreateEventW(nullptr, TRUE, TRUE, W(u"Tarvolt.Twice"));
  HANDLE same = OpenEventW(SYNCHRONIZE, FALSE, W(u"Tarvolt.Twice"));
  HANDLE pair[] = {named, same};
  EXPECT_EQ(WaitForMultipleObjects(2, pair, TRUE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

  EXPECT_EQ(WaitForSingleObject(reinterpret_cast<HANDLE>(0x7770), 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  HANDLE with_bad[] = {e, nullptr};
  EXPECT_EQ(WaitForMultipleObjects(2, with_bad, FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  for (HANDLE h : {e, named, same}) CloseHandle(h);
}

TEST(WaitTest, LastErrorBelongsToEachThread) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  Thread([] {
    EXPECT_EQ(GetLastError(), DWORD(0));
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(0x7770)));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  }).join();
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

}  // namespace
