// Minimising and restoring: the show commands, the window menu's commands through
// DefWindowProc, the 64 x 64 iconic square with its own paint, what the children do meanwhile,
// the icons a window keeps, and the cursor.
#include <vector>

#include "user/desk_fixture.h"

namespace {

using testing_support::DeskTest;

struct Seen {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
  bool operator==(const Seen&) const = default;
};
std::vector<Seen> g_seen;
bool g_record_all = false;

LRESULT CALLBACK iconic_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  bool size_or_paint = msg == WM_SIZE || msg == WM_PAINT || msg == WM_ICONERASEBKGND || msg == WM_CLOSE;
  if (size_or_paint || g_record_all) g_seen.push_back({msg, wp, msg == WM_SIZE ? lp : 0});
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class Minimize : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"IconicHost", iconic_proc));
    top_ = CreateWindowExW(0, L"IconicHost", L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
    ASSERT_NE(top_, nullptr);
    child_ = CreateWindowExW(0, L"IconicHost", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, top_, nullptr, nullptr,
                             nullptr);
    UpdateWindow(top_);
    g_seen.clear();
    g_record_all = false;
  }
  void TearDown() override {
    if (IsWindow(top_)) DestroyWindow(top_);
    DeskTest::TearDown();
  }
  std::vector<Seen> paints_of(HWND hwnd) {
    std::vector<Seen> out;
    UpdateWindow(hwnd);
    for (const Seen& s : g_seen)
      if (s.msg != WM_SIZE) out.push_back(s);
    g_seen.clear();
    return out;
  }
  HWND top_ = nullptr;
  HWND child_ = nullptr;
};

TEST_F(Minimize, TheIconicSquareIsAllClientAreaAndRestoringGivesThePlaceBack) {
  EXPECT_TRUE(ShowWindow(top_, SW_MINIMIZE));  // it was visible
  EXPECT_TRUE(IsIconic(top_));
  EXPECT_TRUE(GetWindowLongW(top_, GWL_STYLE) & WS_MINIMIZE);
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.front(), (Seen{WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(64, 64)}));
  RECT r;
  GetClientRect(top_, &r);
  EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{0, 0, 64, 64}));
  GetWindowRect(top_, &r);
  EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{50, 60, 114, 124}));
  POINT origin{0, 0};
  ClientToScreen(top_, &origin);
  EXPECT_EQ(origin.x, 50);  // no frame
  // The square paints in the window's own WM_PAINT; the child does not show meanwhile.
  EXPECT_EQ(paints_of(top_), (std::vector<Seen>{{WM_PAINT, 0, 0}}));
  InvalidateRect(child_, nullptr, TRUE);
  SetWindowTextW(child_, L"changed");
  EXPECT_TRUE(paints_of(top_).empty());

  g_seen.clear();
  ShowWindow(top_, SW_RESTORE);
  EXPECT_FALSE(IsIconic(top_));
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.front(), (Seen{WM_SIZE, SIZE_RESTORED, MAKELPARAM(292, 174)}));
  GetWindowRect(top_, &r);
  EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{50, 60, 350, 260}));
  auto after = paints_of(top_);
  EXPECT_EQ(after.size(), 2u);  // the window and its child paint again
}

TEST_F(Minimize, ShowCommandsThatMinimiseAndThoseThatKeepTheState) {
  ShowWindow(top_, SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(IsIconic(top_));
  ShowWindow(top_, SW_SHOW);  // shows it as it is
  EXPECT_TRUE(IsIconic(top_));
  ShowWindow(top_, SW_SHOWNORMAL);
  EXPECT_FALSE(IsIconic(top_));
  // A hidden window shown minimised is iconic and visible.
  ShowWindow(top_, SW_HIDE);
  EXPECT_FALSE(ShowWindow(top_, SW_SHOWMINIMIZED));
  EXPECT_TRUE(IsIconic(top_));
  EXPECT_TRUE(IsWindowVisible(top_));
  // A child is never minimised.
  ShowWindow(child_, SW_MINIMIZE);
  EXPECT_FALSE(IsIconic(child_));
}

// DefWindowProc carries out the window menu's commands: a minimised window erases its icon's
// background with the desktop's colour and has no drag icon without a class icon.
TEST_F(Minimize, WindowMenuCommandsThroughDefWindowProc) {
  SendMessageW(top_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(top_));
  SendMessageW(top_, WM_SYSCOMMAND, SC_RESTORE | 0x0002, 0);  // the low four bits are the system's
  EXPECT_FALSE(IsIconic(top_));
  SendMessageW(top_, WM_SYSCOMMAND, SC_SIZE, 0);  // left alone
  EXPECT_EQ(SendMessageW(top_, WM_QUERYDRAGICON, 0, 0), 0);

  HDC dc = GetDC(top_);
  ASSERT_EQ(SendMessageW(top_, WM_ICONERASEBKGND, WPARAM(dc), 0), TRUE);
  EXPECT_EQ(GetPixel(dc, 5, 5), GetSysColor(COLOR_DESKTOP));
  ReleaseDC(top_, dc);

  g_seen.clear();
  SendMessageW(top_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(g_seen, (std::vector<Seen>{{WM_CLOSE, 0, 0}}));
  EXPECT_FALSE(IsWindow(top_));
}

TEST_F(Minimize, WindowsKeepTheirBigAndSmallIcons) {
  HICON a = LoadIconA(nullptr, IDI_ASTERISK), b = LoadIconW(nullptr, MAKEINTRESOURCEW(32513));  // IDI_HAND
  EXPECT_EQ(SendMessageW(top_, WM_SETICON, ICON_BIG, LPARAM(a)), 0);
  EXPECT_EQ(HICON(SendMessageW(top_, WM_SETICON, ICON_BIG, LPARAM(b))), a);
  EXPECT_EQ(HICON(SendMessageW(top_, WM_GETICON, ICON_BIG, 0)), b);
  EXPECT_EQ(HICON(SendMessageW(top_, WM_GETICON, ICON_SMALL, 0)), nullptr);
  EXPECT_EQ(HICON(SendMessageW(top_, WM_GETICON, ICON_SMALL2, 0)), b);
  EXPECT_EQ(SendMessageA(top_, WM_SETICON, ICON_SMALL, LPARAM(a)), 0);
  EXPECT_EQ(HICON(SendMessageA(top_, WM_GETICON, ICON_SMALL2, 0)), a);
}

TEST_F(Minimize, StandardCursorsAndTheCursorShown) {
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND), arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  ASSERT_NE(hand, nullptr);
  EXPECT_NE(hand, arrow);
  EXPECT_NE(wait, arrow);
  EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)), hand);  // IDC_HAND
  HCURSOR first = SetCursor(hand);
  EXPECT_EQ(SetCursor(wait), hand);
  EXPECT_EQ(GetCursor(), wait);
  SetCursor(first);
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

}  // namespace
