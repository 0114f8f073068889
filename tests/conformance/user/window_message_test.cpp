// Windows and their messages: creation and destruction order, texts across character sets,
// posted messages and WM_QUIT, SendMessage between threads.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

#include "support/thread.h"
#include "support/window_helpers.h"

namespace {

using testing_support::Thread;
using testing_support::window_text8;

std::vector<std::pair<HWND, UINT>>& journal() {
  static std::vector<std::pair<HWND, UINT>> log;
  return log;
}

LRESULT CALLBACK journal_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE || msg == WM_CREATE || msg == WM_DESTROY || msg == WM_NCDESTROY)
    journal().push_back({hwnd, msg});
  if (msg == WM_USER) return LRESULT(wp * 2);
  // Asks the window in lParam while the caller waits for this answer.
  if (msg == WM_USER + 5) return SendMessageW(reinterpret_cast<HWND>(lp), WM_USER, wp, 0) + 1;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::Test::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"Journal", journal_proc));
    journal().clear();
  }
};

TEST_F(Windows, CreationAndDestructionFollowTheDocumentedOrder) {
  HWND top = CreateWindowExW(0, L"journal", L"Top", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(top, nullptr);
  HWND child = CreateWindowExW(0, L"Journal", L"Child", WS_CHILD, 5, 5, 50, 20, top, HMENU(7), nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(window_text8(top), "Top");
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetDlgItem(top, 7), child);

  // The child's position counts from the parent's client area, which lies inside the frame.
  RECT parent_rect, child_rect;
  GetWindowRect(top, &parent_rect);
  GetWindowRect(child, &child_rect);
  POINT origin{0, 0};
  ClientToScreen(top, &origin);
  EXPECT_EQ(child_rect.left, origin.x + 5);
  EXPECT_GT(origin.y, parent_rect.top);

  journal().clear();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> expected{
      {top, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(journal(), expected);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetWindowTextLengthW(top), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(Windows, FailuresSetTheDocumentedErrors) {
  EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
  EXPECT_EQ(CreateWindowExW(0, L"Journal", L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_TLW_WITH_WSCHILD));
  WNDCLASSW again{};
  again.lpfnWndProc = journal_proc;
  again.lpszClassName = L"Journal";
  EXPECT_EQ(RegisterClassW(&again), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));
  HWND top = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindowLongW(top, 0), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX));
  DestroyWindow(top);
}

TEST_F(Windows, AnsiCallersAndWideWindowsExchangeTextInTheCodePage) {
  HWND w = CreateWindowExA(0, "Journal", "Caf\xE9", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(window_text8(w), "Caf\xC3\xA9");
  char ansi[8];
  EXPECT_EQ(GetWindowTextA(w, ansi, 8), 4);
  EXPECT_STREQ(ansi, "Caf\xE9");
  // A buffer too small keeps what fits and its terminator.
  EXPECT_EQ(GetWindowTextA(w, ansi, 3), 2);
  EXPECT_STREQ(ansi, "Ca");
  SetWindowTextA(w, "\x80 5");
  EXPECT_EQ(window_text8(w), "\xE2\x82\xAC 5");
  DestroyWindow(w);
}

TEST_F(Windows, PostedMessagesComeInOrderAndWmQuitLast) {
  HWND w = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  PostQuitMessage(3);
  PostMessageW(w, WM_USER + 1, 1, 0);
  PostMessageW(nullptr, WM_USER + 2, 2, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, UINT(WM_USER + 1));
  // A range filter skips what lies outside it.
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
  EXPECT_EQ(msg.hwnd, w);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, WPARAM(3));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  DestroyWindow(w);
}

TEST_F(Windows, SendMessageToAnotherThreadRunsThereWhileTheSenderServesItsOwnQueue) {
  std::atomic<HWND> remote{nullptr};
  Thread owner([&] {
    remote = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(remote);
  });
  while (!remote) Sleep(0);
  HWND local = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);

  EXPECT_EQ(SendMessageW(remote, WM_USER, 21, 0), 42);
  // The remote window asks ours back while our send still waits: no deadlock, both answer.
  EXPECT_EQ(SendMessageW(remote, WM_USER + 5, 7, LPARAM(local)), 15);
  EXPECT_EQ(SendMessageW(remote, WM_SETTEXT, 0, LPARAM(L"remote")), TRUE);
  EXPECT_EQ(window_text8(remote), "remote");
  // Only the owning thread may destroy a window.
  EXPECT_FALSE(DestroyWindow(remote));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));

  PostThreadMessageW(GetWindowThreadProcessId(remote, nullptr), WM_QUIT, 0, 0);
  owner.join();
  DestroyWindow(local);
}

// The 64-bit window longs: pointer-valued fields only through the LongPtr forms, whole; extra
// bytes read at the width of the form.
class WindowLongs : public Windows {
 protected:
  void SetUp() override {
    Windows::SetUp();
    window_ = CreateWindowExW(0, L"Journal", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(window_);
    Windows::TearDown();
  }
  HWND window_ = nullptr;
};

TEST_F(WindowLongs, PointersAboveFourGiBComeBackWhole) {
  auto object = std::make_unique<int>(7);  // a heap address: above 4 GiB on 64-bit hosts
  const LONG_PTR values[] = {reinterpret_cast<LONG_PTR>(object.get()), LONG_PTR(0x7EDCBA9876543210), LONG_PTR(-2)};
  LONG_PTR before = 0;
  for (LONG_PTR value : values) {
    EXPECT_EQ(SetWindowLongPtrW(window_, GWLP_USERDATA, value), before);
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_USERDATA), value);
    EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_USERDATA), value);
    before = value;
  }
  const LONG_PTR instance = LONG_PTR(0x0000000140000000);
  SetWindowLongPtrA(window_, GWLP_HINSTANCE, instance);
  EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_HINSTANCE), instance);
  EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(journal_proc));
}

TEST_F(WindowLongs, TheLongFormsRefuseThePointerFieldsAndKeepTheOthers) {
  for (int index : {GWLP_WNDPROC, GWLP_HINSTANCE, GWLP_HWNDPARENT, GWLP_USERDATA}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongW(window_, index), 0) << index;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX)) << index;
    SetLastError(0);
    EXPECT_EQ(SetWindowLongA(window_, index, 1), 0) << index;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX)) << index;
  }
  // The refused writes changed nothing: the procedure still answers.
  EXPECT_EQ(SendMessageW(window_, WM_USER, 21, 0), 42);
  EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_USERDATA), 0);

  EXPECT_EQ(DWORD(GetWindowLongW(window_, GWL_STYLE)) & WS_POPUP, DWORD(WS_POPUP));
  EXPECT_EQ(SetWindowLongW(window_, GWL_EXSTYLE, WS_EX_TOOLWINDOW), 0);
  EXPECT_EQ(GetWindowLongPtrW(window_, GWL_EXSTYLE), LONG_PTR(WS_EX_TOOLWINDOW));
  HWND child = CreateWindowExW(0, L"Journal", L"", WS_CHILD, 0, 0, 1, 1, window_, HMENU(7), nullptr, nullptr);
  EXPECT_EQ(GetWindowLongW(child, GWL_ID), 7);
  EXPECT_EQ(SetWindowLongW(child, GWL_ID, 9), 7);
  EXPECT_EQ(GetDlgCtrlID(child), 9);
  EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 9);
}

TEST_F(WindowLongs, ExtraBytesAreReadAtTheWidthOfTheForm) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = journal_proc;
  wc.cbWndExtra = 12;
  wc.lpszClassName = L"TwelveExtraBytes";
  WNDCLASSW existing{};
  ASSERT_TRUE(GetClassInfoW(nullptr, wc.lpszClassName, &existing) || RegisterClassW(&wc));
  HWND w = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);

  const LONG_PTR value = LONG_PTR(0x1122334455667788);
  EXPECT_EQ(SetWindowLongPtrW(w, 4, value), 0);
  EXPECT_EQ(GetWindowLongPtrW(w, 4), value);
  // The LONG form reads four of those bytes, the low half first.
  EXPECT_EQ(GetWindowLongW(w, 4), LONG(0x55667788));
  EXPECT_EQ(GetWindowLongW(w, 8), LONG(0x11223344));
  // Eight bytes from offset 8 or 5 run past the twelve; the LONG form at 8 still fits.
  for (int index : {8, 5, -1}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrW(w, index), 0) << index;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX)) << index;
    EXPECT_EQ(SetWindowLongPtrW(w, index, 1), 0) << index;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX)) << index;
  }
  EXPECT_EQ(GetWindowLongPtrW(w, 4), value);
  EXPECT_EQ(SetWindowLongW(w, 8, 0x0BADF00D), LONG(0x11223344));
  EXPECT_EQ(GetWindowLongPtrW(w, 4), LONG_PTR(0x0BADF00D55667788));
  DestroyWindow(w);
}

}  // namespace
