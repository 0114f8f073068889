#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/thread.h"

namespace {

using testing_support::Thread;

TEST(CriticalSectionTest, ExcludesOtherThreadsAndIsRecursive) {
  CRITICAL_SECTION cs;
  InitializeCriticalSection(&cs);
  EnterCriticalSection(&cs);
  EXPECT_TRUE(TryEnterCriticalSection(&cs));  // the owner enters again
  Thread([&] { EXPECT_FALSE(TryEnterCriticalSection(&cs)); }).join();
  LeaveCriticalSection(&cs);
  Thread([&] { EXPECT_FALSE(TryEnterCriticalSection(&cs)); }).join();  // still entered once
  LeaveCriticalSection(&cs);
  Thread([&] {
    EXPECT_TRUE(TryEnterCriticalSection(&cs));
    LeaveCriticalSection(&cs);
  }).join();
  DeleteCriticalSection(&cs);
}

TEST(CriticalSectionTest, KeepsCountersConsistentUnderContention) {
  CRITICAL_SECTION cs;
  ASSERT_TRUE(InitializeCriticalSectionAndSpinCount(&cs, 4000));
  long plain = 0;
  LONG volatile atomic = 0;
  std::vector<Thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) {
        EnterCriticalSection(&cs);
        EnterCriticalSection(&cs);
        ++plain;
        LeaveCriticalSection(&cs);
        LeaveCriticalSection(&cs);
        InterlockedIncrement(&atomic);
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(plain, 80000);
  EXPECT_EQ(atomic, 80000);
  DeleteCriticalSection(&cs);
}

TEST(InterlockedTest, ReturnTheValuesWindowsReturns) {
  LONG volatile v = 5;
  EXPECT_EQ(InterlockedIncrement(&v), 6);  // the new value
  EXPECT_EQ(InterlockedDecrement(&v), 5);
  EXPECT_EQ(InterlockedExchange(&v, 10), 5);  // the old value
  EXPECT_EQ(InterlockedExchangeAdd(&v, -3), 10);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(InterlockedCompareExchange(&v, 100, 8), 7);  // no match: unchanged
  EXPECT_EQ(v, 7);
  EXPECT_EQ(InterlockedCompareExchange(&v, 100, 7), 7);
  EXPECT_EQ(v, 100);
  LONG volatile low = LONG(0x80000000);
  EXPECT_EQ(InterlockedDecrement(&low), 0x7FFFFFFF);  // wraps as on Windows
}

}  // namespace
