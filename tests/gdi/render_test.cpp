// A dialog painted to PNG, read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "gdi/png_image.h"
#include "support/machine_fixture.h"
#include "user/screenshot.h"

using platform::user::paint::screenshot;
using testing_support::Pixel;
using testing_support::Png;

namespace {

constexpr Pixel kBtnFace{0xF0, 0xF0, 0xF0};
constexpr Pixel kWhite{0xFF, 0xFF, 0xFF};

// A dialog at (200, 100) on the screen; its client area starts 3 pixels in and 21 down. It and
// its controls, created visible, paint themselves when the screenshot is taken.
class GdiRenderTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
    dlg_ = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Connect to VPN",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE, 200, 100, 320, 220,
                           nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dlg_, nullptr);
    HWND icon = add(L"Static", SS_ICON, 0, 10, 10, 32, 32, L"");
    SendMessageW(icon, STM_SETICON, WPARAM(LoadIcon(nullptr, IDI_HAND)), 0);
    add(L"Static", SS_LEFT, 0, 50, 10, 200, 26, L"The connection was lost. Do you want to dial again now?");
    add(L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 50, 45, 150, 21, L"alice");
    password_ = add(L"Edit", ES_PASSWORD | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 50, 70, 150, 21, L"secret");
    SendMessageW(password_, EM_SETPASSWORDCHAR, 0x25CF, 0);
    SetFocus(password_);
    HWND check = add(L"Button", BS_AUTOCHECKBOX, 0, 50, 96, 150, 16, L"&Save password");
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    add(L"Button", BS_GROUPBOX, 0, 10, 115, 290, 40, L"Server");
    add(L"Button", BS_DEFPUSHBUTTON, 0, 140, 165, 75, 23, L"OK");
    add(L"Button", BS_PUSHBUTTON | WS_DISABLED, 0, 225, 165, 75, 23, L"Cancel");
    HWND hidden = add(L"Button", BS_PUSHBUTTON, 0, 10, 165, 75, 23, L"Hidden");
    ShowWindow(hidden, SW_HIDE);
  }
  void TearDown() override {
    if (dlg_) DestroyWindow(dlg_);
    DeleteObject(font_);
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
    MachineTest::TearDown();
  }

  HWND add(LPCWSTR cls, DWORD style, DWORD exstyle, int x, int y, int cx, int cy, LPCWSTR text) {
    HWND h = CreateWindowExW(exstyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, dlg_, nullptr,
                             nullptr, nullptr);
    SendMessageW(h, WM_SETFONT, WPARAM(font_), FALSE);
    return h;
  }

  std::string path(const char* name) {
    auto dir = std::filesystem::temp_directory_path() / ("gdi_render_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    dir_ = dir;
    return (dir / name).string();
  }

  HFONT font_ = nullptr;
  HWND dlg_ = nullptr;
  HWND password_ = nullptr;
  std::filesystem::path dir_;
};

}  // namespace

TEST_F(GdiRenderTest, DialogLooksLikeADialog) {
  const std::string file = path("dialog.png");
  ASSERT_TRUE(screenshot(dlg_, file));
  Png png(file);
  ASSERT_TRUE(png.ok());
  EXPECT_EQ(png.width(), 320);
  EXPECT_EQ(png.height(), 220);
  EXPECT_GT(png.variance(), 100.0);

  // Caption bar against the client area, and the close box at the caption's right end.
  Pixel caption = png.at(160, 12);
  EXPECT_NE(caption, kBtnFace);
  EXPECT_GT(caption.b, caption.r);
  EXPECT_EQ(png.at(160, 30 + 120), kBtnFace);  // client area below the group box
  EXPECT_LT(png.darkest(298, 5, 14, 12), 60);  // the close box's X

  // Children sit where their screen rectangles say: the user field's inside is white.
  EXPECT_EQ(png.at(3 + 50 + 140, 21 + 45 + 10), kWhite);
  EXPECT_LT(png.darkest(3 + 50 + 2, 21 + 45 + 2, 40, 17), 60);  // "alice"
  EXPECT_EQ(png.at(3 + 50 + 140, 21 + 96 + 8), kBtnFace);  // the check box's row beyond its text

  // The error icon is a red disc.
  Pixel icon = png.at(3 + 10 + 6, 21 + 10 + 16);
  EXPECT_GT(icon.r, 180);
  EXPECT_LT(icon.g, 80);

  // The hidden button leaves the face untouched.
  EXPECT_EQ(png.at(3 + 10 + 37, 21 + 165 + 11), kBtnFace);
}

TEST_F(GdiRenderTest, DisabledTextIsGreyAndDefaultButtonHasItsFrame) {
  const std::string file = path("buttons.png");
  ASSERT_TRUE(screenshot(dlg_, file));
  Png png(file);
  ASSERT_TRUE(png.ok());
  int ok_text = png.darkest(3 + 140 + 20, 21 + 165 + 5, 35, 13);
  int cancel_text = png.darkest(3 + 225 + 15, 21 + 165 + 5, 45, 13);
  EXPECT_LT(ok_text, 50);
  EXPECT_GT(cancel_text, ok_text + 50);
  EXPECT_LT(cancel_text, 0xD0);  // grey, yet there
  // The default button's outermost ring is dark, the plain button's is its light edge.
  EXPECT_LT(png.at(3 + 140 + 30, 21 + 165).lightness(), 40);
  EXPECT_GT(png.at(3 + 225 + 30, 21 + 165).lightness(), 200);
}

TEST_F(GdiRenderTest, PasswordFieldShowsBulletsNotTheText) {
  const std::string masked = path("masked.png");
  ASSERT_TRUE(screenshot(dlg_, masked));
  SendMessageW(password_, EM_SETPASSWORDCHAR, 0, 0);  // shows the text, and repaints
  const std::string plain = path("plain.png");
  ASSERT_TRUE(screenshot(dlg_, plain));
  Png a(masked), b(plain);
  int differing = 0;
  for (int y = 21 + 70; y < 21 + 70 + 21; ++y)
    for (int x = 3 + 50; x < 3 + 50 + 150; ++x) differing += !(a.at(x, y) == b.at(x, y));
  EXPECT_GT(differing, 20);
  EXPECT_LT(a.darkest(3 + 50 + 3, 21 + 70 + 3, 60, 15), 80);  // the bullets are there
}

TEST_F(GdiRenderTest, UnwritablePathOrMissingWindowFails) {
  EXPECT_FALSE(screenshot(dlg_, "/nonexistent-folder/x.png"));
  HWND gone = dlg_;
  DestroyWindow(dlg_);
  dlg_ = nullptr;
  EXPECT_FALSE(screenshot(gone, path("gone.png")));
}
