#include <windows.h>

#include "support/machine_fixture.h"
#include "support/wide.h"
#include "sync_child.h"

namespace {

using testing_support::MachineTest;
using testing_support::W;

class MutexTest : public MachineTest {};

// The machine has one session, as services see Windows: the global namespace is its namespace.
TEST_F(MutexTest, TheGlobalPrefixNamesTheSameMutex) {
  HANDLE first = CreateMutexW(nullptr, TRUE, W(u"Tarvolt.Single"));
  ASSERT_NE(first, nullptr);
  HANDLE opened = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, W(u"Global\\Tarvolt.Single"));
  EXPECT_NE(opened, nullptr);
  EXPECT_TRUE(ReleaseMutex(first));
  CloseHandle(opened);
  CloseHandle(first);
}

class NamedMutexAcrossProcesses : public MachineTest {};

TEST_F(NamedMutexAcrossProcesses, ASecondCreateInAnotherProcessFindsIt) {
  HANDLE mine = CreateMutexW(nullptr, FALSE, W(u"Tarvolt.Instance"));
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
  HANDLE seen = CreateMutexW(nullptr, TRUE, W(u"Tarvolt.Instance"));
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(WaitForSingleObject(seen, 0), DWORD(WAIT_TIMEOUT));  // not granted by bInitialOwner
  HANDLE opened = OpenMutexW(SYNCHRONIZE, FALSE, W(u"Tarvolt.Instance"));
  EXPECT_NE(opened, nullptr);
  CloseHandle(opened);
  CloseHandle(seen);
}

TEST_F(NamedMutexAcrossProcesses, OwnershipIsExclusiveAndAKilledOwnerAbandonsIt) {
  HANDLE m = CreateMutexW(nullptr, FALSE, W(u"Tarvolt.Lock"));
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
  HANDLE m = CreateMutexW(nullptr, FALSE, W(u"Tarvolt.All"));
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
  HANDLE m = CreateMutexW(nullptr, FALSE, W(u"Tarvolt.Quit"));
  sync_test::Child quitter("sync_mutex_holder", {"Tarvolt.Quit", "quit"});
  EXPECT_EQ(quitter.line(), "exists");
  EXPECT_EQ(quitter.line(), "owned");
  EXPECT_EQ(quitter.wait(), 0);
  EXPECT_EQ(WaitForSingleObject(m, 10000), DWORD(WAIT_ABANDONED));
  EXPECT_TRUE(ReleaseMutex(m));
  CloseHandle(m);
}

}  // namespace
