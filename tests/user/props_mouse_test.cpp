// Window properties, the mouse capture, and a click delivered as mouse messages.
#include <vector>

#include "user/desk_fixture.h"
#include "user/mouse.h"

namespace {

using testing_support::DeskTest;

std::vector<std::pair<HWND, LPARAM>> capture_changes;
std::vector<WPARAM> commands;

LRESULT CALLBACK host_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CAPTURECHANGED) capture_changes.push_back({hwnd, lp});
  if (msg == WM_COMMAND) commands.push_back(wp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class Desk : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"MouseHost", host_proc));
    top_ = CreateWindowExW(0, L"MouseHost", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                           nullptr, nullptr);
    ASSERT_NE(top_, nullptr);
    capture_changes.clear();
    commands.clear();
  }
  void TearDown() override {
    DestroyWindow(top_);
    DeskTest::TearDown();
  }
  HWND child(LPCWSTR cls, DWORD style, int id) {
    return CreateWindowExW(0, cls, L"link", WS_CHILD | WS_VISIBLE | style, 10, 10 + 30 * id, 100, 20, top_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  HWND top_ = nullptr;
};

TEST_F(Desk, PropertiesAreKeyedByCaseInsensitiveNameOrAtom) {
  HWND other = child(L"MouseHost", 0, 1);
  EXPECT_TRUE(SetPropA(top_, "_Original_Proc_", HANDLE(0x1234)));
  EXPECT_EQ(GetPropW(top_, L"_ORIGINAL_proc_"), HANDLE(0x1234));
  EXPECT_EQ(GetPropA(other, "_Original_Proc_"), nullptr);
  EXPECT_TRUE(SetPropW(top_, L"_original_proc_", HANDLE(0x5678)));
  EXPECT_TRUE(SetPropW(top_, MAKEINTATOM(0xC001), HANDLE(1)));
  EXPECT_EQ(GetPropA(top_, "_Original_Proc_"), HANDLE(0x5678));
  EXPECT_EQ(GetPropW(top_, MAKEINTATOM(0xC001)), HANDLE(1));
  EXPECT_EQ(GetPropW(top_, MAKEINTATOM(0xC002)), nullptr);

  EXPECT_EQ(RemovePropA(top_, "_Original_Proc_"), HANDLE(0x5678));
  EXPECT_EQ(GetPropA(top_, "_Original_Proc_"), nullptr);
  EXPECT_EQ(RemovePropA(top_, "_Original_Proc_"), nullptr);
  EXPECT_EQ(GetPropW(top_, MAKEINTATOM(0xC001)), HANDLE(1));

  DestroyWindow(other);
  EXPECT_FALSE(SetPropA(other, "x", HANDLE(1)));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(Desk, CaptureMovesWithNoticeAndEndsWithItsWindow) {
  HWND a = child(L"MouseHost", 0, 1);
  HWND b = child(L"MouseHost", 0, 2);
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(GetCapture(), a);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(capture_changes, (std::vector<std::pair<HWND, LPARAM>>{{a, LPARAM(b)}, {b, 0}}));

  SetCapture(a);
  DestroyWindow(a);
  EXPECT_EQ(GetCapture(), nullptr);
}

WNDPROC link_next = nullptr;
std::vector<UINT> link_seen;

// Like a hyperlink: the hand over it, the capture while the mouse is on it.
LRESULT CALLBACK link_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  link_seen.push_back(msg);
  if (msg == WM_SETCURSOR) {
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    return TRUE;
  }
  if (msg == WM_MOUSEMOVE && GetCapture() != hwnd) SetCapture(hwnd);
  return CallWindowProcA(link_next, hwnd, msg, wp, lp);
}

TEST_F(Desk, AClickReachesTheWindowAsMouseMessages) {
  HWND plain = child(L"Static", 0, 1);
  HWND notifying = child(L"Static", SS_NOTIFY, 2);
  platform::user::mouse::click_centre(plain);
  EXPECT_TRUE(commands.empty());
  platform::user::mouse::click_centre(notifying);
  EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(2, STN_CLICKED)}));

  commands.clear();
  link_seen.clear();
  SetCursor(nullptr);
  link_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(notifying, GWLP_WNDPROC, LONG_PTR(link_proc)));
  platform::user::mouse::click_centre(notifying);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
  EXPECT_EQ(GetCapture(), notifying);
  EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(2, STN_CLICKED)}));
  // Once captured, the mouse goes to the captor without WM_SETCURSOR.
  std::vector<UINT> expected{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
  EXPECT_EQ(link_seen, expected);
  ReleaseCapture();
}

}  // namespace
