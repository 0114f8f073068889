// Thread messages: a thread has a queue from its first call of the window system on, a message
// posted to it arrives with no window, and a modal dialog's loop on that thread takes it
// without handing it to any window.
#include <atomic>
#include <thread>

#include "user/desk_fixture.h"
#include "user/resource_test.h"

namespace {

using testing_support::DeskTest;

class ThreadMessages : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    go_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ready_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  }
  void TearDown() override {
    CloseHandle(go_);
    CloseHandle(ready_);
    DeskTest::TearDown();
  }
  void wait(HANDLE event) { ASSERT_EQ(WaitForSingleObject(event, 20000), WAIT_OBJECT_0); }
  HANDLE go_ = nullptr, ready_ = nullptr;
};

TEST_F(ThreadMessages, AThreadGetsItsQueueWithItsFirstCallAndMessagesWithoutAWindow) {
  std::atomic<DWORD> tid{0};
  MSG got{};
  BOOL result = -1;
  std::thread worker([&] {
    tid = GetCurrentThreadId();
    SetEvent(ready_);
    WaitForSingleObject(go_, INFINITE);
    MSG peek;
    PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE);  // the queue from now on
    SetEvent(ready_);
    result = GetMessageW(&got, nullptr, 0, 0);
  });
  wait(ready_);
  SetLastError(0);
  EXPECT_FALSE(PostThreadMessageW(tid, WM_APP + 1, 1, 2));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_THREAD_ID));
  SetEvent(go_);
  wait(ready_);
  EXPECT_TRUE(PostThreadMessageW(tid, WM_APP + 1, 11, 22));
  worker.join();
  EXPECT_EQ(result, TRUE);
  EXPECT_EQ(got.hwnd, nullptr);
  EXPECT_EQ(got.message, UINT(WM_APP + 1));
  EXPECT_EQ(got.wParam, WPARAM(11));
  EXPECT_EQ(got.lParam, LPARAM(22));
}

std::atomic<int> dialog_saw_thread_message{0};
std::atomic<HWND> the_dialog{nullptr};

INT_PTR CALLBACK ending_proc(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    the_dialog = dlg;
    SetEvent(reinterpret_cast<HANDLE>(lp));
    return TRUE;
  }
  if (msg == WM_APP + 2) ++dialog_saw_thread_message;
  if (msg == WM_APP + 3) EndDialog(dlg, 5);
  return FALSE;
}

TEST_F(ThreadMessages, AModalDialogsLoopTakesThemAndDispatchesThemToNoWindow) {
  dialog_saw_thread_message = 0;
  std::atomic<DWORD> tid{0};
  INT_PTR ended = 0;
  BOOL still_queued = TRUE;
  std::thread worker([&] {
    tid = GetCurrentThreadId();
    ended = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, ending_proc,
                            LPARAM(ready_));
    MSG left;
    still_queued = PeekMessageW(&left, nullptr, WM_APP + 2, WM_APP + 2, PM_REMOVE);
  });
  wait(ready_);
  HWND dialog = the_dialog;
  EXPECT_TRUE(PostThreadMessageW(tid, WM_APP + 2, 0, 0));
  // Posted behind it: the dialog ends once its loop has come past the thread message.
  EXPECT_TRUE(PostMessageW(dialog, WM_APP + 3, 0, 0));
  worker.join();
  EXPECT_EQ(ended, 5);
  EXPECT_EQ(dialog_saw_thread_message, 0);
  EXPECT_FALSE(still_queued);  // the dialog's loop took it
}

}  // namespace
