// MsgWaitForMultipleObjects: what each way out returns, waking from another thread or for a due
// timer, and that a wait over leaves no trace on the objects it looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/window_helpers.h"

namespace {

constexpr DWORD kLong = 20000;  // a wait that must end long before this

struct Target {
  DWORD thread;
  HANDLE event;
};

// Each acts a little later, so that the target is most likely waiting already.
DWORD WINAPI post_to_target(void* param) {
  auto* target = static_cast<Target*>(param);
  Sleep(50);
  return PostThreadMessageW(target->thread, WM_USER + 1, 7, 0) ? 0 : 1;
}

DWORD WINAPI set_target_event(void* param) {
  Sleep(50);
  return SetEvent(static_cast<Target*>(param)->event) ? 0 : 1;
}

// A wait for `object` or input that ends by either long before its time-out: a wait that
// missed the wake-up would still find the input at its end.
DWORD wake_up_wait(HANDLE object) {
  const DWORD start = GetTickCount();
  const DWORD result = MsgWaitForMultipleObjects(1, &object, FALSE, kLong, QS_ALLINPUT);
  EXPECT_LT(GetTickCount() - start, kLong / 2);
  return result;
}

class MsgWait : public ::testing::Test {
 protected:
  void TearDown() override {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
    ::testing::Test::TearDown();
  }
};

TEST_F(MsgWait, ReturnsTheSignalledObjectTheInputAfterTheObjectsOrTimeout) {
  HANDLE events[2] = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  EXPECT_EQ(MsgWaitForMultipleObjects(2, events, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(MsgWaitForMultipleObjects(2, events, FALSE, 30, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));

  // A signalled auto-reset event is taken by the wait.
  SetEvent(events[1]);
  EXPECT_EQ(MsgWaitForMultipleObjects(2, events, FALSE, kLong, QS_ALLINPUT), DWORD(WAIT_OBJECT_0 + 1));
  EXPECT_EQ(WaitForSingleObject(events[1], 0), DWORD(WAIT_TIMEOUT));

  // A posted message is input: WAIT_OBJECT_0 + nCount, and it stays in the queue.
  MSG m;
  for (DWORD count : {2u, 0u}) {
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_USER, count, 0));
    EXPECT_EQ(MsgWaitForMultipleObjects(count, events, FALSE, kLong, QS_ALLINPUT), DWORD(WAIT_OBJECT_0 + count));
    ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, UINT(WM_USER));
    EXPECT_EQ(m.wParam, WPARAM(count));
  }

  // Waiting for all needs every object and input together.
  SetEvent(events[0]);
  SetEvent(events[1]);
  EXPECT_EQ(MsgWaitForMultipleObjects(2, events, TRUE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0));
  EXPECT_EQ(MsgWaitForMultipleObjects(2, events, TRUE, kLong, QS_ALLINPUT), DWORD(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(events[1], 0), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(events[0], 0), DWORD(WAIT_OBJECT_0));
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));

  // One place of the kernel's limit is the queue's.
  HANDLE many[MAXIMUM_WAIT_OBJECTS];
  for (HANDLE& h : many) h = events[0];
  EXPECT_EQ(MsgWaitForMultipleObjects(MAXIMUM_WAIT_OBJECTS, many, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_FAILED));
  EXPECT_EQ(MsgWaitForMultipleObjects(MAXIMUM_WAIT_OBJECTS - 1, many, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_OBJECT_0));
  HANDLE closed = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  CloseHandle(closed);
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &closed, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_FAILED));
  CloseHandle(events[0]);
  CloseHandle(events[1]);
}

TEST_F(MsgWait, WakesForAMessageOrAnEventFromAnotherThreadAndForADueTimer) {
  Target target{GetCurrentThreadId(), CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  // The thread exists before the other posts to it: its queue is there.
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &target.event, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
  HANDLE poster = CreateThread(nullptr, 0, post_to_target, &target, 0, nullptr);
  ASSERT_NE(poster, nullptr);
  EXPECT_EQ(wake_up_wait(target.event), DWORD(WAIT_OBJECT_0 + 1));
  EXPECT_EQ(WaitForSingleObject(poster, kLong), DWORD(WAIT_OBJECT_0));
  CloseHandle(poster);
  MSG m;
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, UINT(WM_USER + 1));
  EXPECT_EQ(m.wParam, 7u);

  HANDLE setter = CreateThread(nullptr, 0, set_target_event, &target, 0, nullptr);
  ASSERT_NE(setter, nullptr);
  EXPECT_EQ(wake_up_wait(target.event), DWORD(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(setter, kLong), DWORD(WAIT_OBJECT_0));
  CloseHandle(setter);

  // Nobody posts WM_TIMER: the wait itself must look again when the timer falls due.
  UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
  ASSERT_NE(timer, 0u);
  EXPECT_EQ(wake_up_wait(target.event), DWORD(WAIT_OBJECT_0 + 1));
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, UINT(WM_TIMER));
  EXPECT_EQ(m.wParam, timer);
  KillTimer(nullptr, timer);
  CloseHandle(target.event);
}

// A wait that is over, however it ended, no longer counts as waiting: a later pulse, with
// nobody waiting, releases nobody and leaves the event unset.
TEST_F(MsgWait, APulseAfterTheWaitReleasesNobody) {
  for (BOOL manual : {TRUE, FALSE}) {
    HANDLE event = CreateEventW(nullptr, manual, FALSE, nullptr);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 20, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
    ASSERT_TRUE(PulseEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), DWORD(WAIT_TIMEOUT)) << manual;

    // Also when the wait ended for input.
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0));
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, kLong, QS_ALLINPUT), DWORD(WAIT_OBJECT_0 + 1));
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
    ASSERT_TRUE(PulseEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), DWORD(WAIT_TIMEOUT)) << manual;
    CloseHandle(event);
  }
}

}  // namespace
