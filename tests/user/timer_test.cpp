// Timers on a frozen machine clock: which WM_TIMER comes when, coalescing, killing, callbacks,
// and the waits that wake for a timer.
#include <thread>
#include <vector>

#include "machine/clock.h"
#include "user/desk_fixture.h"

namespace {

using testing_support::DeskTest;
namespace clock = platform::clock;

constexpr int64_t kMs = 1000000;

class Timers : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    clock::set_manual(clock::now_ns());
    window_ = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
    clock::set_real();
    DeskTest::TearDown();
  }
  // The WM_TIMER ids that the queue gives now, in order.
  std::vector<UINT_PTR> due_timers() {
    std::vector<UINT_PTR> ids;
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ids.push_back(m.wParam);
    return ids;
  }
  HWND window_ = nullptr;
};

TEST_F(Timers, DueTimersComeOnceEachInDueOrderAndKeepTheirRhythm) {
  ASSERT_EQ(SetTimer(window_, 2, 250, nullptr), 2u);
  ASSERT_EQ(SetTimer(window_, 1, 100, nullptr), 1u);
  EXPECT_TRUE(due_timers().empty());
  // Ten periods of timer 1 pass unserved: still one WM_TIMER, and it comes first.
  clock::advance(1000 * kMs);
  EXPECT_EQ(due_timers(), (std::vector<UINT_PTR>{1, 2}));
  EXPECT_TRUE(due_timers().empty());
  // Timer 1 keeps its 100 ms grid, not a period counted from when it was served.
  clock::advance(60 * kMs);
  EXPECT_TRUE(due_timers().empty());
  clock::advance(40 * kMs);
  EXPECT_EQ(due_timers(), (std::vector<UINT_PTR>{1}));

  // Posted messages go ahead of due timers; a timer's WM_TIMER names the window.
  clock::advance(100 * kMs);
  PostMessageW(window_, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, UINT(WM_USER));
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, UINT(WM_TIMER));
  EXPECT_EQ(m.hwnd, window_);
  EXPECT_EQ(m.wParam, 1u);
}

TEST_F(Timers, ResettingKillingAndDestroyingStopTimers) {
  SetTimer(window_, 1, 100, nullptr);
  clock::advance(90 * kMs);
  // Setting an existing timer again restarts its period.
  SetTimer(window_, 1, 100, nullptr);
  clock::advance(20 * kMs);
  EXPECT_TRUE(due_timers().empty());
  clock::advance(80 * kMs);
  EXPECT_EQ(due_timers(), (std::vector<UINT_PTR>{1}));

  clock::advance(100 * kMs);
  EXPECT_TRUE(KillTimer(window_, 1));
  EXPECT_TRUE(due_timers().empty());
  EXPECT_FALSE(KillTimer(window_, 1));

  SetTimer(window_, 3, 50, nullptr);
  clock::advance(100 * kMs);
  ASSERT_TRUE(DestroyWindow(window_));
  EXPECT_TRUE(due_timers().empty());
  EXPECT_FALSE(KillTimer(window_, 3));
  EXPECT_EQ(SetTimer(window_, 3, 50, nullptr), 0u);
}

std::vector<std::pair<HWND, UINT_PTR>> calls;
void CALLBACK record_call(HWND hwnd, UINT msg, UINT_PTR id, DWORD) {
  if (msg == WM_TIMER) calls.push_back({hwnd, id});
}

TEST_F(Timers, ThreadTimersGetTheirOwnIdsAndDispatchRunsTheirCallback) {
  calls.clear();
  UINT_PTR a = SetTimer(nullptr, 77, 100, record_call);
  UINT_PTR b = SetTimer(nullptr, 0, 100, record_call);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(a, b);
  // Naming a thread timer's own id replaces it instead of adding one.
  EXPECT_EQ(SetTimer(nullptr, a, 300, record_call), a);
  clock::advance(100 * kMs);
  MSG m;
  ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, nullptr);
  EXPECT_EQ(m.wParam, b);
  DispatchMessageW(&m);
  EXPECT_FALSE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(calls, (std::vector<std::pair<HWND, UINT_PTR>>{{nullptr, b}}));
  KillTimer(nullptr, a);
  KillTimer(nullptr, b);
}

TEST_F(Timers, WaitsWakeWhenATimerFallsDue) {
  SetTimer(window_, 5, 250, nullptr);
  std::thread mover([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    clock::advance(250 * kMs);
  });
  MSG m;
  ASSERT_TRUE(GetMessageW(&m, nullptr, 0, 0));
  mover.join();
  EXPECT_EQ(m.message, UINT(WM_TIMER));
  EXPECT_EQ(m.wParam, 5u);

  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 0, QS_ALLINPUT), DWORD(WAIT_TIMEOUT));
  std::thread later([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    clock::advance(250 * kMs);
  });
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT), DWORD(WAIT_OBJECT_0 + 1));
  later.join();
  due_timers();
  SetEvent(event);
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT), DWORD(WAIT_OBJECT_0));
  CloseHandle(event);
}

}  // namespace
