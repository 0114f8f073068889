#include <gtest/gtest.h>

#include <thread>

#include "cmutex.h"
#include "csinglelock.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

class SyncTest : public FrameworkMachineTest {};

template <class F>
void OnOtherThread(F body) {
  std::thread(body).join();
}

TEST_F(SyncTest, SingleLockTimesOutWhileAnotherThreadOwns) {
  CMutex mutex;
  CSingleLock holder(&mutex, TRUE);
  EXPECT_TRUE(holder.IsLocked());
  OnOtherThread([&] {
    CSingleLock waiter(&mutex);
    DWORD before = GetTickCount();
    EXPECT_FALSE(waiter.Lock(100));
    EXPECT_GE(GetTickCount() - before, 90u);
    EXPECT_FALSE(waiter.IsLocked());
  });
  EXPECT_TRUE(holder.Unlock());
  EXPECT_FALSE(holder.IsLocked());
  OnOtherThread([&] {
    CSingleLock waiter(&mutex);
    EXPECT_TRUE(waiter.Lock(0));
  });  // the destructor unlocks
  OnOtherThread([&] {
    CSingleLock waiter(&mutex);
    EXPECT_TRUE(waiter.Lock(0));
    EXPECT_TRUE(waiter.Unlock());
    EXPECT_TRUE(waiter.Unlock());  // nothing held: still success
  });
}

TEST_F(SyncTest, InitiallyOwnedAndNamedMutexes) {
  CMutex owned(TRUE);
  OnOtherThread([&] { EXPECT_FALSE(owned.Lock(0)); });
  EXPECT_TRUE(owned.Unlock());
  OnOtherThread([&] {
    EXPECT_TRUE(owned.Lock(0));
    EXPECT_TRUE(owned.Unlock());
  });

  // Two objects with one name are one mutex.
  CMutex first(FALSE, "TarvoltFrameworkTest");
  CMutex second(FALSE, "TarvoltFrameworkTest");
  EXPECT_NE(first.m_hObject, second.m_hObject);
  CSingleLock lock(&first, TRUE);
  OnOtherThread([&] {
    CSingleLock other(&second);
    EXPECT_FALSE(other.Lock(10));
  });
  EXPECT_FALSE(owned.Unlock());  // not the owner any more
}

TEST_F(SyncTest, AbandonedMutexCountsAsAcquired) {
  CMutex mutex;
  OnOtherThread([&] { EXPECT_TRUE(mutex.Lock()); });  // ends without unlocking
  CSingleLock lock(&mutex);
  EXPECT_TRUE(lock.Lock(0));
}

}  // namespace
