#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "support/thread.h"
#include "support/wide.h"

namespace {

using testing_support::Thread;
using testing_support::W;

// Runs `body` on a thread of its own and waits for it.
template <class F>
void on_other_thread(F body) {
  Thread(body).join();
}

TEST(MutexTest, OwnershipIsRecursiveAndOnlyTheOwnerReleases) {
  HANDLE m = CreateMutexW(nullptr, TRUE, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);  // owner again: count 2

  on_other_thread([&] {
    EXPECT_EQ(WaitForSingleObject(m, 0), DWORD(WAIT_TIMEOUT));
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(m));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));
  });

  EXPECT_TRUE(ReleaseMutex(m));
  on_other_thread([&] { EXPECT_EQ(WaitForSingleObject(m, 0), DWORD(WAIT_TIMEOUT)); });  // still owned once
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_FALSE(ReleaseMutex(m));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));

  on_other_thread([&] {
    EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(m));
  });
  CloseHandle(m);
}

DWORD WINAPI take_and_end(LPVOID mutex) { return WaitForSingleObject(static_cast<HANDLE>(mutex), INFINITE); }

TEST(MutexTest, AThreadEndingAsOwnerAbandonsTheMutexOnce) {
  HANDLE m = CreateMutexW(nullptr, FALSE, nullptr);
  HANDLE t = CreateThread(nullptr, 0, take_and_end, m, 0, nullptr);
  ASSERT_NE(t, nullptr);
  // The thread handle is signalled only after the mutex was abandoned.
  ASSERT_EQ(WaitForSingleObject(t, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(m, 0), DWORD(WAIT_ABANDONED));
  EXPECT_TRUE(ReleaseMutex(m));  // the waiter owns it now
  EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(ReleaseMutex(m));

  // A thread the platform did not start abandons it too; a wait on several objects reports it by index.
  HANDLE e = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  on_other_thread([&] { EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0); });
  HANDLE both[] = {e, m};
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), DWORD(WAIT_ABANDONED_0 + 1));
  EXPECT_TRUE(ReleaseMutex(m));
  CloseHandle(e);
  CloseHandle(t);
  CloseHandle(m);
}

TEST(MutexTest, AWaiterGetsTheMutexWhenTheOwnerReleasesIt) {
  HANDLE m = CreateMutexW(nullptr, TRUE, nullptr);
  std::atomic<bool> got{false};
  Thread waiter([&] {
    EXPECT_EQ(WaitForSingleObject(m, INFINITE), WAIT_OBJECT_0);
    got = true;
    ReleaseMutex(m);
  });
  Sleep(50);
  EXPECT_FALSE(got);
  EXPECT_TRUE(ReleaseMutex(m));
  waiter.join();
  EXPECT_TRUE(got);
  CloseHandle(m);
}

TEST(MutexTest, NamedMutexInOneProcess) {
  SetLastError(12345);
  HANDLE first = CreateMutexW(nullptr, TRUE, W(u"Tarvolt.Single"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));

  // Another create names the same mutex and ignores bInitialOwner: the first owner keeps it.
  on_other_thread([&] {
    HANDLE second = CreateMutexW(nullptr, TRUE, W(u"Tarvolt.Single"));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(second, 0), DWORD(WAIT_TIMEOUT));
    CloseHandle(second);
  });

  HANDLE opened = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, W(u"Tarvolt.Single"));
  EXPECT_NE(opened, nullptr);
  HANDLE other_case = OpenMutexW(SYNCHRONIZE, FALSE, W(u"tarvolt.single"));  // names are case-sensitive
  EXPECT_EQ(other_case, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(CreateEventW(nullptr, TRUE, FALSE, W(u"Tarvolt.Single")), nullptr);  // one namespace
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));

  EXPECT_TRUE(ReleaseMutex(first));
  CloseHandle(first);
  CloseHandle(opened);
  // The name went with its last handle.
  EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, W(u"Tarvolt.Single")), nullptr);
  HANDLE again = CreateMutexA(nullptr, FALSE, "Tarvolt.Single");
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
  CloseHandle(again);
}

}  // namespace
