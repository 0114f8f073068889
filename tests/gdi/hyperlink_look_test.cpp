// The look a program gives a static to make it a link, through the ANSI forms: its parent
// subclassed to answer WM_CTLCOLORSTATIC with a text colour, and an underlined copy of its font.
#include <gtest/gtest.h>

#include <windows.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "gdi/png_image.h"
#include "support/machine_fixture.h"
#include "user/screenshot.h"

namespace {

using testing_support::Png;

constexpr COLORREF kLinkBlue = 0xC00000;  // red 0, green 0, blue 192

WNDPROC g_parent_proc = nullptr;

LRESULT CALLBACK link_parent(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CTLCOLORSTATIC && GetPropA(reinterpret_cast<HWND>(lp), "link")) {
    LRESULT brush = CallWindowProcA(g_parent_proc, hwnd, msg, wp, lp);
    SetTextColor(reinterpret_cast<HDC>(wp), kLinkBlue);
    return brush;
  }
  return CallWindowProcA(g_parent_proc, hwnd, msg, wp, lp);
}

// The longest run of link-blue pixels in one row of the box.
int longest_blue_run(const Png& png, int x, int y, int cx, int cy) {
  int longest = 0;
  for (int row = y; row < y + cy; ++row) {
    int run = 0;
    for (int col = x; col < x + cx; ++col) {
      auto p = png.at(col, row);
      run = p.b > 150 && p.r < 80 && p.g < 80 ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

using HyperlinkLook = testing_support::MachineTest;

TEST_F(HyperlinkLook, TheParentsTextColourAndTheUnderlinedFontShow) {
  HWND dlg = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "Links", WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
                             100, 100, 260, 120, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dlg, nullptr);
  HFONT plain = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
  LOGFONTA log{};
  ASSERT_EQ(GetObjectA(plain, sizeof log, &log), int(sizeof log));
  log.lfUnderline = TRUE;
  HFONT underlined = CreateFontIndirectA(&log);
  auto link = [&](int y, HFONT font) {
    HWND s = CreateWindowExA(0, "Static", "www.example.net/buy", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, y, 200, 16, dlg,
                             nullptr, nullptr, nullptr);
    SetPropA(s, "link", HANDLE(1));
    SendMessageA(s, WM_SETFONT, WPARAM(font), FALSE);
    return s;
  };
  link(10, plain);
  link(40, underlined);
  g_parent_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dlg, GWLP_WNDPROC, LONG_PTR(link_parent)));
  ASSERT_NE(g_parent_proc, nullptr);
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);

  std::string file = (std::filesystem::temp_directory_path() / ("links" + std::to_string(getpid()) + ".png")).string();
  ASSERT_TRUE(platform::user::paint::screenshot(dlg, file));
  Png png(file);
  ASSERT_TRUE(png.ok());
  // The client area starts 3 pixels in and 21 down.
  int plain_run = longest_blue_run(png, 3 + 10, 21 + 10, 200, 16);
  int underlined_run = longest_blue_run(png, 3 + 10, 21 + 40, 200, 16);
  EXPECT_GT(plain_run, 0);  // blue text
  EXPECT_LT(plain_run, 20);  // glyphs, no line
  EXPECT_GT(underlined_run, 80);  // the underline runs along the text
  std::filesystem::remove(file);
  DestroyWindow(dlg);
  DeleteObject(plain);
  DeleteObject(underlined);
}

}  // namespace
