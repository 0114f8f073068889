#include <windows.h>

#include <atomic>
#include <thread>

#include "support/machine_fixture.h"
#include "sync_child.h"

namespace {

using testing_support::MachineTest;

class MutexTest : public MachineTest {};

const WCHAR* wide(const char16_t* text) { return reinterpret_cast<const WCHAR*>(text); }

// Runs `body` on a thread of its own and waits for it.
template <class F>
void on_other_thread(F body) {
  std::thread(body).join();
}

TEST_F(MutexTest, OwnershipIsRecursiveAndOnlyTheOwnerReleases) {
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

TEST_F(MutexTest, AThreadEndingAsOwnerAbandonsTheMutexOnce) {
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

TEST_F(MutexTest, AWaiterGetsTheMutexWhenTheOwnerReleasesIt) {
  HANDLE m = CreateMutexW(nullptr, TRUE, nullptr);
  std::atomic<bool> got{false};
  std::thread waiter([&] {
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

TEST_F(MutexTest, NamedMutexInOneProcess) {
  SetLastError(12345);
  HANDLE first = CreateMutexW(nullptr, TRUE, wide(u"Tarvolt.Single"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));

  // Another create names the same mutex and ignores bInitialOwner: the first owner keeps it.
  on_other_thread([&] {
    HANDLE second = CreateMutexW(nullptr, TRUE, wide(u"Tarvolt.Single"));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(second, 0), DWORD(WAIT_TIMEOUT));
    CloseHandle(second);
  });

  HANDLE opened = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, wide(u"Global\\Tarvolt.Single"));
  EXPECT_NE(opened, nullptr);
  HANDLE other_case = OpenMutexW(SYNCHRONIZE, FALSE, wide(u"tarvolt.single"));  // names are case-sensitive
  EXPECT_EQ(other_case, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(CreateEventW(nullptr, TRUE, FALSE, wide(u"Tarvolt.Single")), nullptr);  // one namespace
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));

  EXPECT_TRUE(ReleaseMutex(first));
  CloseHandle(first);
  CloseHandle(opened);
  // The name went with its last handle.
  EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, wide(u"Tarvolt.Single")), nullptr);
  HANDLE again = CreateMutexA(nullptr, FALSE, "Tarvolt.Single");
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
  CloseHandle(again);
}

class NamedMutexAcrossProcesses : public MachineTest {};

TEST_F(NamedMutexAcrossProcesses, ASecondCreateInAnotherProcessFindsIt) {
  HANDLE mine = CreateMutexW(nullptr, FALSE, wide(u"Tarvolt.Instance"));
  ASSERT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
  {
    sync_test::Child child("sync_mutex_holder", {"Tarvolt.Instance", "create"});
    EXPECT_EQ(child.line(), "exists");
  }
  CloseHandle(mine);

  // Once no process holds it, the name is free again; a child's mutex is seen here.
  {
    sync_test::Child child("sync_mutex_holder", {"Tarvolt.Instance", "create"});
    EXPECT_EQ(child.line(), "created");
  }
  sync_test::Child holder("sync_mutex_holder", {"Tarvolt.Instance", "hold"});
  ASSERT_EQ(holder.line(), "created");
  ASSERT_EQ(holder.line(), "owned");
  HANDLE seen = CreateMutexW(nullptr, TRUE, wide(u"Tarvolt.Instance"));
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(WaitForSingleObject(seen, 0), DWORD(WAIT_TIMEOUT));  // not granted by bInitialOwner
  HANDLE opened = OpenMutexW(SYNCHRONIZE, FALSE, wide(u"Tarvolt.Instance"));
  EXPECT_NE(opened, nullptr);
  CloseHandle(opened);
  CloseHandle(seen);
}

TEST_F(NamedMutexAcrossProcesses, OwnershipIsExclusiveAndAKilledOwnerAbandonsIt) {
  HANDLE m = CreateMutexW(nullptr, FALSE, wide(u"Tarvolt.Lock"));
  sync_test::Child holder("sync_mutex_holder", {"Tarvolt.Lock", "hold"});
  ASSERT_EQ(holder.line(), "exists");
  ASSERT_EQ(holder.line(), "owned");
  EXPECT_EQ(WaitForSingleObject(m, 100), DWORD(WAIT_TIMEOUT));
  {
    sync_test::Child other("sync_mutex_holder", {"Tarvolt.Lock", "try"});
    EXPECT_EQ(other.line(), "exists");
    EXPECT_EQ(other.line(), "busy");
  }
  holder.kill();
  EXPECT_EQ(WaitForSingleObject(m, 10000), DWORD(WAIT_ABANDONED));

  // Owned here: a child waits until this process releases it.
  sync_test::Child taker("sync_mutex_holder", {"Tarvolt.Lock", "take"});
  EXPECT_EQ(taker.line(), "exists");
  Sleep(100);
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_EQ(taker.line(), "owned");
  EXPECT_EQ(taker.wait(), 0);
  EXPECT_EQ(WaitForSingleObject(m, 10000), WAIT_OBJECT_0);  // released properly: not abandoned
  EXPECT_TRUE(ReleaseMutex(m));
  CloseHandle(m);
}

TEST_F(NamedMutexAcrossProcesses, AWaitForAllThatTimesOutLeavesTheMutexFree) {
  HANDLE m = CreateMutexW(nullptr, FALSE, wide(u"Tarvolt.All"));
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE both[] = {m, never};
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 50), DWORD(WAIT_TIMEOUT));
  sync_test::Child other("sync_mutex_holder", {"Tarvolt.All", "try"});
  EXPECT_EQ(other.line(), "exists");
  EXPECT_EQ(other.line(), "owned");
  CloseHandle(never);
  CloseHandle(m);
}

TEST_F(NamedMutexAcrossProcesses, AProcessEndingAsOwnerAbandonsIt) {
  HANDLE m = CreateMutexW(nullptr, FALSE, wide(u"Tarvolt.Quit"));
  sync_test::Child quitter("sync_mutex_holder", {"Tarvolt.Quit", "quit"});
  EXPECT_EQ(quitter.line(), "exists");
  EXPECT_EQ(quitter.line(), "owned");
  EXPECT_EQ(quitter.wait(), 0);
  EXPECT_EQ(WaitForSingleObject(m, 10000), DWORD(WAIT_ABANDONED));
  EXPECT_TRUE(ReleaseMutex(m));
  CloseHandle(m);
}

}  // namespace
