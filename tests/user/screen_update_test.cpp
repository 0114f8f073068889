// What paints again, and when: windows created visible, shown, hidden, moved, resized and
// destroyed; the system's controls whose text or state changes; a new caption. A screenshot
// paints only what waits to be painted, as a screen keeps what was painted on it.
#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "user/desk_fixture.h"
#include "user/screenshot.h"

namespace {

struct Painted {
  HWND hwnd;
  UINT msg;
};
std::vector<Painted> g_painted;
std::map<HWND, WNDPROC> g_next_proc;

LRESULT CALLBACK recording_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT || msg == WM_NCPAINT) g_painted.push_back({hwnd, msg});
  return CallWindowProcW(g_next_proc[hwnd], hwnd, msg, wp, lp);
}

class ScreenUpdate : public testing_support::DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    g_painted.clear();
    g_next_proc.clear();
    font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
    dlg_ = CreateWindowExW(0, L"#32770", L"Updates", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
    ASSERT_NE(dlg_, nullptr);
    record(dlg_);
    check_ = add(L"Button", BS_AUTOCHECKBOX, 10, 10, 150, 16, L"Check");
    edit_ = add(L"Edit", ES_AUTOHSCROLL, 10, 40, 150, 21, L"text");
    label_ = add(L"Static", SS_LEFT, 10, 70, 150, 16, L"Label");
    button_ = add(L"Button", BS_PUSHBUTTON, 10, 100, 75, 23, L"Push");
    SetActiveWindow(dlg_);
    first_ = repainted();
  }
  void TearDown() override {
    if (dlg_) DestroyWindow(dlg_);
    DeleteObject(font_);
    std::filesystem::remove(shot_);
    DeskTest::TearDown();
  }

  HWND add(LPCWSTR cls, DWORD style, int x, int y, int cx, int cy, LPCWSTR text, bool visible = true) {
    HWND h = CreateWindowExW(0, cls, text, WS_CHILD | (visible ? WS_VISIBLE : 0) | style, x, y, cx, cy, dlg_, nullptr,
                             nullptr, nullptr);
    SendMessageW(h, WM_SETFONT, WPARAM(font_), FALSE);
    record(h);
    return h;
  }
  static void record(HWND hwnd) {
    g_next_proc[hwnd] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(recording_proc)));
  }

  // The windows a screenshot had paint (WM_PAINT), in the order they painted.
  std::vector<HWND> repainted() {
    g_painted.clear();
    EXPECT_TRUE(platform::user::paint::screenshot(dlg_, shot_.string()));
    std::vector<HWND> windows;
    for (const Painted& p : g_painted)
      if (p.msg == WM_PAINT && std::find(windows.begin(), windows.end(), p.hwnd) == windows.end())
        windows.push_back(p.hwnd);
    return windows;
  }
  static std::vector<HWND> sorted(std::vector<HWND> windows) {
    std::sort(windows.begin(), windows.end());
    return windows;
  }
  // Pixels of text or marks in the window's client rectangle.
  static int dark_pixels(HWND hwnd, RECT r) {
    HDC dc = GetDC(hwnd);
    int dark = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) dark += GetRValue(GetPixel(dc, x, y)) < 100;
    ReleaseDC(hwnd, dc);
    return dark;
  }

  std::filesystem::path shot_ =
      std::filesystem::temp_directory_path() / ("screen_update_" + std::to_string(getpid()) + ".png");
  HFONT font_ = nullptr;
  HWND dlg_ = nullptr, check_ = nullptr, edit_ = nullptr, label_ = nullptr, button_ = nullptr;
  std::vector<HWND> first_;
};

TEST_F(ScreenUpdate, AScreenshotPaintsOnlyWhatWaits) {
  // Created visible, the dialog paints before its children, and each of them once.
  ASSERT_EQ(first_.size(), 5u);
  EXPECT_EQ(first_[0], dlg_);
  EXPECT_EQ(sorted(first_), sorted({dlg_, check_, edit_, label_, button_}));
  EXPECT_GT(dark_pixels(button_, {0, 0, 75, 23}), 10);

  EXPECT_TRUE(repainted().empty());
  InvalidateRect(label_, nullptr, TRUE);
  EXPECT_EQ(repainted(), std::vector<HWND>{label_});
  EXPECT_TRUE(repainted().empty());
}

TEST_F(ScreenUpdate, ControlsPaintAgainWhenTheirLookChanges) {
  HFONT other = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  struct Change {
    const char* what;
    std::function<void()> act;
    std::vector<HWND> painted;
  };
  const Change changes[] = {
      {"a new check", [&] { SendMessageW(check_, BM_SETCHECK, BST_CHECKED, 0); }, {check_}},
      {"the same check", [&] { SendMessageW(check_, BM_SETCHECK, BST_CHECKED, 0); }, {}},
      {"a click on an automatic check box", [&] { SendMessageW(check_, BM_CLICK, 0, 0); }, {check_}},
      {"a button's text", [&] { SetWindowTextW(button_, L"Pushed"); }, {button_}},
      {"a disabled button", [&] { EnableWindow(button_, FALSE); }, {button_}},
      {"the same enabling", [&] { EnableWindow(button_, FALSE); }, {}},
      {"a style without redrawing", [&] { SendMessageW(button_, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE); }, {}},
      {"a style redrawn", [&] { SendMessageW(button_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE); }, {button_}},
      {"the focus on the edit", [&] { SetFocus(edit_); }, {edit_}},
      {"the focus on the check box", [&] { SetFocus(check_); }, {edit_, check_}},
      {"typing", [&] { SendMessageW(edit_, WM_CHAR, 'x', 0); }, {edit_}},
      {"the edit's text", [&] { SetWindowTextW(edit_, L"new"); }, {edit_}},
      {"a selection", [&] { SendMessageW(edit_, EM_SETSEL, 0, -1); }, {}},
      {"a read-only edit", [&] { SendMessageW(edit_, EM_SETREADONLY, TRUE, 0); }, {edit_}},
      {"a password character", [&] { SendMessageW(edit_, EM_SETPASSWORDCHAR, '*', 0); }, {edit_}},
      {"a label's text", [&] { SetWindowTextW(label_, L"Other"); }, {label_}},
      {"a font without redrawing", [&] { SendMessageW(label_, WM_SETFONT, WPARAM(other), FALSE); }, {}},
      {"a font redrawn", [&] { SendMessageW(label_, WM_SETFONT, WPARAM(font_), TRUE); }, {label_}},
  };
  for (const Change& change : changes) {
    change.act();
    EXPECT_EQ(sorted(repainted()), sorted(change.painted)) << change.what;
  }
  DeleteObject(other);
}

TEST_F(ScreenUpdate, TheCheckMarkAndTheTextShowAfterTheChange) {
  RECT box{0, 0, 16, 16};
  int unchecked = dark_pixels(check_, box);
  SendMessageW(check_, BM_SETCHECK, BST_CHECKED, 0);
  repainted();
  EXPECT_GT(dark_pixels(check_, box), unchecked + 4);

  RECT field{0, 0, 150, 21};
  ASSERT_GT(dark_pixels(edit_, field), 10);
  SetWindowTextW(edit_, L"");
  repainted();
  EXPECT_EQ(dark_pixels(edit_, field), 0);
}

TEST_F(ScreenUpdate, ShownMovedAndDestroyedWindowsPaintWhereTheyAreAndWere) {
  HWND later = add(L"Button", BS_PUSHBUTTON, 200, 10, 75, 23, L"Later", false);
  EXPECT_TRUE(repainted().empty()) << "a hidden window paints nothing";
  ShowWindow(later, SW_SHOWNA);
  EXPECT_EQ(repainted(), std::vector<HWND>{later});
  ShowWindow(later, SW_HIDE);
  EXPECT_EQ(repainted(), std::vector<HWND>{dlg_}) << "the dialog paints where the button was";

  RECT old_place{10, 100, 85, 123};
  ASSERT_GT(dark_pixels(dlg_, old_place), 10);
  MoveWindow(button_, 150, 100, 75, 23, TRUE);
  EXPECT_EQ(repainted(), (std::vector<HWND>{dlg_, button_})) << "the parent first";
  EXPECT_EQ(dark_pixels(dlg_, old_place), 0);
  EXPECT_GT(dark_pixels(dlg_, {150, 100, 225, 123}), 10);

  MoveWindow(button_, 150, 130, 75, 23, FALSE);
  EXPECT_TRUE(repainted().empty()) << "told not to repaint";
  SetWindowPos(button_, nullptr, 150, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
  EXPECT_TRUE(repainted().empty()) << "told not to redraw";
  SetWindowPos(button_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(repainted().empty()) << "nothing changed";

  SetWindowPos(dlg_, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(repainted().empty()) << "a top-level window keeps its picture when it moves";
  SetWindowPos(dlg_, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(sorted(repainted()), sorted({dlg_, check_, edit_, label_, button_})) << "resized";

  ASSERT_GT(dark_pixels(dlg_, {10, 70, 160, 86}), 10);
  DestroyWindow(label_);
  EXPECT_EQ(repainted(), std::vector<HWND>{dlg_});
  EXPECT_EQ(dark_pixels(dlg_, {10, 70, 160, 86}), 0) << "the label's text is gone";
}

TEST_F(ScreenUpdate, ANewCaptionRepaintsTheFrameAlone) {
  SetWindowTextW(dlg_, L"Other caption");
  // The queue has WM_PAINT for it, which paints the frame.
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, dlg_, WM_PAINT, WM_PAINT, PM_NOREMOVE));
  repainted();
  ASSERT_EQ(g_painted.size(), 2u);
  EXPECT_EQ(g_painted[0].hwnd, dlg_);
  EXPECT_EQ(g_painted[1].hwnd, dlg_);
  EXPECT_EQ(g_painted[1].msg, UINT(WM_NCPAINT));

  // A control's text is no caption.
  SetWindowTextW(button_, L"Again");
  repainted();
  EXPECT_TRUE(std::none_of(g_painted.begin(), g_painted.end(), [](const Painted& p) { return p.msg == WM_NCPAINT; }));
}

TEST_F(ScreenUpdate, OverlappingSiblingsPaintInTheOrderOfTheirList) {
  // A picture under the controls, created after them: it comes later in the list and paints over them.
  HWND picture = add(L"Static", SS_GRAYRECT, 0, 0, 200, 130, L"");
  HWND frame = add(L"Static", SS_BLACKFRAME, 5, 95, 90, 33, L"");  // later still, around the button
  EXPECT_EQ(repainted(), (std::vector<HWND>{picture, frame}));

  // Where an earlier window paints again, the later ones over it paint again after it; a later one
  // paints alone.
  InvalidateRect(label_, nullptr, TRUE);
  EXPECT_EQ(repainted(), (std::vector<HWND>{label_, picture}));
  InvalidateRect(button_, nullptr, TRUE);
  EXPECT_EQ(repainted(), (std::vector<HWND>{button_, picture, frame}));
  InvalidateRect(frame, nullptr, TRUE);
  EXPECT_EQ(repainted(), std::vector<HWND>{frame});

  // The queue hands out WM_PAINT in the same order, whatever order the windows became invalid in.
  InvalidateRect(picture, nullptr, TRUE);
  InvalidateRect(check_, nullptr, TRUE);
  g_painted.clear();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
  std::vector<HWND> order;
  for (const Painted& p : g_painted)
    if (p.msg == WM_PAINT) order.push_back(p.hwnd);
  EXPECT_EQ(order, (std::vector<HWND>{check_, picture, frame}));
}

}  // namespace
