// The purchase link's look: the window procedures it installs, its colour through the parent, the
// underline while the mouse is over it, and what it gives back when the static goes.
#include <gtest/gtest.h>
#include <string.h>
#include <windows.h>

#include "hyperlink.h"
#include "support/machine_fixture.h"

namespace {

HBRUSH ParentBrush() { return static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)); }

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(ParentBrush());
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

LONG_PTR ProcOf(HWND hWnd) { return GetWindowLongPtrA(hWnd, GWLP_WNDPROC); }
LONG_PTR AsLong(WNDPROC pfnProc) { return reinterpret_cast<LONG_PTR>(pfnProc); }
HFONT FontOf(HWND hWnd) { return reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0)); }

class HyperlinkTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.lpszClassName = "HyperlinkParent";
    RegisterClassA(&windowClass);
    parent_ = CreateWindowExA(0, "HyperlinkParent", "Zolvane", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    LOGFONTA logFont = {};
    logFont.lfHeight = -11;
    strcpy(logFont.lfFaceName, "MS Shell Dlg");
    font_ = CreateFontIndirectA(&logFont);
    link_ = Static(1008);
    dc_ = CreateCompatibleDC(nullptr);
  }
  void TearDown() override {
    DeleteDC(dc_);
    if (IsWindow(parent_)) DestroyWindow(parent_);
    DeleteObject(font_);
    MachineTest::TearDown();
  }
  HWND Static(int nId) {
    HWND hStatic = CreateWindowExA(0, "Static", "http://www.example.net/buy-vpn", WS_CHILD | WS_VISIBLE | SS_CENTER,
                                   10, 10 + 30 * (nId - 1008), 200, 20, parent_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), nullptr, nullptr);
    SendMessageA(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return hStatic;
  }
  LRESULT ColourOf(HWND hStatic) {
    SetTextColor(dc_, RGB(0, 0, 0));
    return SendMessageA(parent_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc_), reinterpret_cast<LPARAM>(hStatic));
  }

  HWND parent_ = nullptr;
  HWND link_ = nullptr;
  HFONT font_ = nullptr;
  HDC dc_ = nullptr;
};

TEST_F(HyperlinkTest, TheStaticAndItsParentCarryTheLinkInTheirProperties) {
  LONG_PTR staticProc = ProcOf(link_);
  EXPECT_TRUE(MakeStaticHyperlink(link_));
  EXPECT_EQ(ProcOf(parent_), AsLong(HyperlinkParentProc));
  EXPECT_EQ(ProcOf(link_), AsLong(HyperlinkStaticProc));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(parent_, "_Hyperlink_Original_Proc_")), AsLong(ParentProc));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(link_, "_Hyperlink_Original_Proc_")), staticProc);
  EXPECT_EQ(GetPropA(link_, "_Hyperlink_Original_Font_"), font_);
  EXPECT_EQ(GetPropA(link_, "_Hyperlink_From_Static_"), reinterpret_cast<HANDLE>(1));
  EXPECT_NE(GetWindowLongPtrA(link_, GWL_STYLE) & SS_NOTIFY, 0) << "the static reports clicks";

  LOGFONTA underlined = {};
  ASSERT_NE(GetObjectA(GetPropA(link_, "_Hyperlink_Underline_Font_"), sizeof underlined, &underlined), 0);
  EXPECT_TRUE(underlined.lfUnderline);
  EXPECT_EQ(underlined.lfHeight, -11);
  EXPECT_STREQ(underlined.lfFaceName, "MS Shell Dlg");
}

TEST_F(HyperlinkTest, TheParentColoursItsLinksBlueAndIsSubclassedOnce) {
  HWND second = Static(1009);
  HWND plain = Static(1010);
  MakeStaticHyperlink(link_);
  MakeStaticHyperlink(second);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(parent_, "_Hyperlink_Original_Proc_")), AsLong(ParentProc))
      << "the second link keeps the parent's own procedure, not the link's";

  EXPECT_EQ(ColourOf(link_), reinterpret_cast<LRESULT>(ParentBrush())) << "the parent's own brush";
  EXPECT_EQ(GetTextColor(dc_), COLORREF(0xC00000));
  EXPECT_EQ(ColourOf(second), reinterpret_cast<LRESULT>(ParentBrush()));
  EXPECT_EQ(GetTextColor(dc_), COLORREF(0xC00000));
  EXPECT_EQ(ColourOf(plain), reinterpret_cast<LRESULT>(ParentBrush()));
  EXPECT_EQ(GetTextColor(dc_), RGB(0, 0, 0)) << "a static that is no link keeps its colour";
}

TEST_F(HyperlinkTest, TheMouseOverTheLinkUnderlinesItUntilItLeaves) {
  MakeStaticHyperlink(link_);
  HANDLE underline = GetPropA(link_, "_Hyperlink_Underline_Font_");
  EXPECT_EQ(SendMessageA(link_, WM_SETCURSOR, reinterpret_cast<WPARAM>(link_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);

  SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(FontOf(link_), underline);
  EXPECT_EQ(GetCapture(), link_) << "so that it hears the mouse leave";
  SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
  EXPECT_EQ(FontOf(link_), underline) << "still inside";
  SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(250, 10));
  EXPECT_EQ(FontOf(link_), font_);
  EXPECT_NE(GetCapture(), link_);
  SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-3), 5));
  EXPECT_EQ(FontOf(link_), underline) << "entering again";
}

TEST_F(HyperlinkTest, DestroyingTheLinkDeletesItsUnderlinedFont) {
  MakeStaticHyperlink(link_);
  HANDLE underline = GetPropA(link_, "_Hyperlink_Underline_Font_");
  SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  DestroyWindow(link_);
  LOGFONTA logFont = {};
  EXPECT_EQ(GetObjectA(underline, sizeof logFont, &logFont), 0) << "the static owned it";
  LOGFONTA original = {};
  EXPECT_NE(GetObjectA(font_, sizeof original, &original), 0) << "the dialog's font stays";
  DestroyWindow(parent_);
  EXPECT_FALSE(IsWindow(parent_));
}

}  // namespace
