// The paint cycle: update regions, WM_PAINT from the queue (parents first, after posted
// messages), erasing through the class brush or the dialog's WM_CTLCOLORDLG answer, and a
// static control's WM_CTLCOLORSTATIC brush.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "support/window_helpers.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Paint {
  HWND hwnd;
  BOOL erase;
  RECT area;
};
std::vector<Paint> g_paints;
const wchar_t* g_child_text = L"XXXX";

// The child's class has no brush: it draws its text transparently over what lies beneath.
LRESULT CALLBACK child_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  g_paints.push_back({hwnd, ps.fErase, ps.rcPaint});
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TextOutW(dc, 0, 0, g_child_text, lstrlenW(g_child_text));
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT CALLBACK parent_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    g_paints.push_back({hwnd, ps.fErase, ps.rcPaint});
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool register_classes() {
  WNDCLASSW wc{};
  if (!GetClassInfoW(nullptr, L"PaintCycleParent", &wc)) {
    wc.lpfnWndProc = parent_proc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"PaintCycleParent";
    if (!RegisterClassW(&wc)) return false;
  }
  return testing_support::register_test_class(L"PaintCycleChild", child_proc);
}

// Dispatches what the queue holds; the WM_PAINTs among it are recorded by the procedures.
void pump() {
  MSG msg;
  for (int i = 0; i < 100 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) DispatchMessageW(&msg);
}

int dark_pixels(HWND hwnd, RECT r) {
  HDC dc = GetDC(hwnd);
  int dark = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) dark += GetRValue(GetPixel(dc, x, y)) < 128;
  ReleaseDC(hwnd, dc);
  return dark;
}

class PaintCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(register_classes());
    g_paints.clear();
    g_child_text = L"XXXX";
    parent_ = CreateWindowExW(0, L"PaintCycleParent", L"", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    child_ = CreateWindowExW(0, L"PaintCycleChild", L"", WS_CHILD | WS_VISIBLE, 20, 20, 100, 30, parent_, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(child_, nullptr);
    pump();
    g_paints.clear();
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND parent_ = nullptr;
  HWND child_ = nullptr;
};

TEST_F(PaintCycleTest, ParentPaintsFirstAndTheChildShowsThroughToItsBrush) {
  ASSERT_TRUE(InvalidateRect(parent_, nullptr, TRUE));
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(parent_, &update, FALSE));
  EXPECT_EQ(update.right, 200);
  // The parent has no WS_CLIPCHILDREN: the child it covers is invalid too.
  EXPECT_TRUE(GetUpdateRect(child_, &update, FALSE));

  // Posted messages come before WM_PAINT.
  PostMessageW(parent_, WM_USER + 7, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_USER + 7));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, UINT(WM_PAINT));
  EXPECT_EQ(msg.hwnd, parent_);

  pump();
  ASSERT_EQ(g_paints.size(), 2u);
  EXPECT_EQ(g_paints[0].hwnd, parent_);
  EXPECT_FALSE(g_paints[0].erase);  // erased with the class brush
  EXPECT_EQ(g_paints[1].hwnd, child_);
  EXPECT_TRUE(g_paints[1].erase);  // no brush: erasing is left to the window
  EXPECT_FALSE(GetUpdateRect(parent_, &update, FALSE));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));

  // The child's text on the parent's white.
  HDC dc = GetDC(child_);
  EXPECT_EQ(GetPixel(dc, 90, 25), kWhite);
  ReleaseDC(child_, dc);
  EXPECT_GT(dark_pixels(child_, {0, 0, 60, 20}), 10);

  // Erasing the parent again takes the old text away.
  g_child_text = L"";
  InvalidateRect(parent_, nullptr, TRUE);
  UpdateWindow(parent_);
  EXPECT_EQ(dark_pixels(child_, {0, 0, 60, 20}), 0);
}

TEST_F(PaintCycleTest, PaintAreaIsTheUpdateRegionsBounds) {
  RECT a{10, 60, 30, 70}, b{150, 80, 160, 90};
  InvalidateRect(parent_, &a, FALSE);
  InvalidateRect(parent_, &b, FALSE);
  UpdateWindow(parent_);
  ASSERT_EQ(g_paints.size(), 1u);
  EXPECT_EQ(g_paints[0].hwnd, parent_);
  EXPECT_EQ(g_paints[0].area.left, 10);
  EXPECT_EQ(g_paints[0].area.top, 60);
  EXPECT_EQ(g_paints[0].area.right, 160);
  EXPECT_EQ(g_paints[0].area.bottom, 90);
  EXPECT_FALSE(g_paints[0].erase);

  // Validated areas are no longer painted.
  g_paints.clear();
  InvalidateRect(parent_, &a, FALSE);
  ValidateRect(parent_, nullptr);
  UpdateWindow(parent_);
  EXPECT_TRUE(g_paints.empty());
}

TEST_F(PaintCycleTest, NoChildrenLeavesTheChildValid) {
  RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  ASSERT_EQ(g_paints.size(), 1u);
  EXPECT_EQ(g_paints[0].hwnd, parent_);
}

// Dialogs erase with their WM_CTLCOLORDLG brush; statics fill with their WM_CTLCOLORSTATIC one.
HBRUSH g_dialog_brush = nullptr;
HBRUSH g_static_brush = nullptr;

INT_PTR CALLBACK coloured_dialog(HWND, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_CTLCOLORDLG) return INT_PTR(g_dialog_brush);
  if (msg == WM_CTLCOLORSTATIC && g_static_brush) {
    SetTextColor(HDC(wp), RGB(0, 0, 255));
    return INT_PTR(g_static_brush);
  }
  return FALSE;
}

TEST(PaintColorsTest, DialogAndStaticTakeTheBrushesTheDialogAnswers) {
  g_dialog_brush = CreateSolidBrush(RGB(255, 255, 255));
  g_static_brush = CreateSolidBrush(RGB(0, 255, 0));
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } blank{{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 120, 60}, 0, 0, 0};
  HWND dlg = CreateDialogIndirectParamW(nullptr, &blank.t, nullptr, coloured_dialog, 0);
  ASSERT_NE(dlg, nullptr);
  HWND label = CreateWindowExW(0, L"Static", L"Hi", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 60, 20, dlg, nullptr,
                               nullptr, nullptr);
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC dc = GetDC(dlg);
  EXPECT_EQ(GetPixel(dc, 100, 50), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 68, 28), RGB(0, 255, 0));
  ReleaseDC(dlg, dc);

  // Without an answer the static is painted on the default face colour.
  DeleteObject(g_static_brush);
  g_static_brush = nullptr;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  dc = GetDC(label);
  EXPECT_EQ(GetPixel(dc, 58, 18), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(label, dc);
  DestroyWindow(dlg);
  DeleteObject(g_dialog_brush);
}

}  // namespace
