// Icons from the module's resources: the image of the size asked for out of the group, drawn
// with its transparency (alpha, AND mask, PNG), in an icon static, in the caption, and in the
// square a minimised window shows as.
#include <gtest/gtest.h>

#include <windows.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gdi/icon_test.h"
#include "gdi/png_image.h"
#include "support/machine_fixture.h"
#include "user/screenshot.h"

namespace {

using testing_support::Pixel;
using testing_support::Png;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

HINSTANCE self() { return GetModuleHandleW(nullptr); }

// A white 64 x 64 bitmap in a memory DC to draw on.
class Board {
 public:
  Board() : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, 64, 64)) {
    before_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, 64, 64};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Board() {
    SelectObject(dc_, before_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ before_;
};

bool near(COLORREF c, int r, int g, int b) {
  return std::abs(GetRValue(c) - r) <= 2 && std::abs(GetGValue(c) - g) <= 2 && std::abs(GetBValue(c) - b) <= 2;
}

using IconTest = testing_support::MachineTest;

// The 32 x 32 image keeps its alpha: clear around an opaque red square, a half-transparent
// blue row, though its AND mask calls every pixel opaque.
TEST_F(IconTest, LoadIconDrawsTheLargeImageWithItsAlphaAtThePlaceAsked) {
  HICON icon = LoadIconW(self(), MAKEINTRESOURCEW(IDI_TEST));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconA(self(), MAKEINTRESOURCEA(IDI_TEST)), icon);  // one shared icon
  Board board;
  ASSERT_TRUE(DrawIcon(board.dc(), 10, 20, icon));
  EXPECT_EQ(board.at(10 + 8, 20 + 8), kRed);
  EXPECT_EQ(board.at(10 + 23, 20 + 23), kRed);
  EXPECT_EQ(board.at(10 + 24, 20 + 24), kWhite);
  EXPECT_EQ(board.at(10, 20), kWhite);
  EXPECT_EQ(board.at(9, 20 + 8), kWhite);
  EXPECT_TRUE(near(board.at(10 + 5, 20 + 4), 127, 127, 255)) << std::hex << board.at(15, 24);
  EXPECT_TRUE(DestroyIcon(icon));  // a shared icon stays
  ASSERT_TRUE(DrawIcon(board.dc(), 0, 0, icon));
  EXPECT_EQ(board.at(12, 12), kRed);
}

TEST_F(IconTest, LoadImagePicksTheImageOfTheSizeAskedFor) {
  // 16 x 16: 24 bits, its left half masked away by the AND mask.
  auto small = static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(IDI_TEST), IMAGE_ICON, 16, 16, 0));
  ASSERT_NE(small, nullptr);
  Board board;
  ASSERT_TRUE(DrawIconEx(board.dc(), 0, 0, small, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(board.at(3, 3), kWhite);
  EXPECT_EQ(board.at(12, 3), kGreen);
  EXPECT_EQ(board.at(17, 3), kWhite);  // drawn at its own 16 x 16
  // With a brush, the icon's square is filled with it first.
  auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  ASSERT_TRUE(DrawIconEx(board.dc(), 20, 0, small, 0, 0, 0, black, DI_NORMAL));
  EXPECT_EQ(board.at(20 + 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(board.at(20 + 12, 3), kGreen);
  EXPECT_EQ(board.at(20 + 17, 3), kWhite);
  EXPECT_TRUE(DestroyIcon(small));
  EXPECT_FALSE(DrawIconEx(board.dc(), 0, 0, small, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_CURSOR_HANDLE));

  // 48 x 48: the PNG image, its top-left quarter transparent.
  auto large = static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(IDI_TEST), IMAGE_ICON, 48, 48, 0));
  ASSERT_NE(large, nullptr);
  Board png_board;
  ASSERT_TRUE(DrawIconEx(png_board.dc(), 0, 0, large, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(png_board.at(10, 10), kWhite);
  EXPECT_EQ(png_board.at(30, 10), kYellow);
  EXPECT_EQ(png_board.at(47, 47), kYellow);
  EXPECT_EQ(png_board.at(48, 47), kWhite);
  DestroyIcon(large);

  // 0 x 0 is the first image at its size; LR_DEFAULTSIZE asks for SM_CXICON.
  auto first = static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(IDI_TEST), IMAGE_ICON, 0, 0, 0));
  auto standard = static_cast<HICON>(
      LoadImageW(self(), MAKEINTRESOURCEW(IDI_TEST), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  EXPECT_EQ(standard, LoadIconW(self(), MAKEINTRESOURCEW(IDI_TEST)));
  Board first_board;
  ASSERT_TRUE(DrawIconEx(first_board.dc(), 0, 0, first, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(first_board.at(20, 20), kRed);
  // Drawn larger, the image is scaled: the red square grows with it.
  ASSERT_TRUE(DrawIconEx(first_board.dc(), 0, 0, first, 64, 64, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(first_board.at(17, 17), kRed);
  EXPECT_EQ(first_board.at(46, 46), kRed);
  EXPECT_EQ(first_board.at(60, 60), kWhite);
  DestroyIcon(first);

  EXPECT_EQ(LoadIconW(self(), MAKEINTRESOURCEW(999)), nullptr);
  EXPECT_EQ(LoadIconA(nullptr, IDI_ASTERISK), LoadIconA(nullptr, IDI_INFORMATION));
}

std::string shot_path(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(getpid()) + ".png")).string();
}

// The dialog sits at (100, 100); its client area begins 3 pixels in and 21 down.
class IconWindowTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    box_ = CreateDialogParamW(self(), MAKEINTRESOURCEW(IDD_ICON_BOX), nullptr, nullptr, 0);
    ASSERT_NE(box_, nullptr);
    SetWindowPos(box_, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(box_, SW_SHOW);
  }
  void TearDown() override {
    DestroyWindow(box_);
    std::filesystem::remove(shot_);
    MachineTest::TearDown();
  }
  Png shot() {
    EXPECT_TRUE(platform::user::paint::screenshot(box_, shot_));
    return Png(shot_);
  }
  HWND box_ = nullptr;
  std::string shot_ = shot_path("icon_box");
};

Pixel pixel_of(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

TEST_F(IconWindowTest, TheIconStaticShowsTheTemplatesIconAndTheCaptionTheSmallIcon) {
  HWND icon_static = GetDlgItem(box_, IDC_ICON_STATIC);
  ASSERT_NE(HICON(SendMessageW(icon_static, STM_GETICON, 0, 0)), nullptr);
  RECT at;
  GetWindowRect(icon_static, &at);
  Png before = shot();
  ASSERT_TRUE(before.ok());
  int x = at.left - 100, y = at.top - 100;
  EXPECT_EQ(before.at(x + 12, y + 12), pixel_of(kRed));
  EXPECT_EQ(before.at(x + 2, y + 2), (Pixel{0xF0, 0xF0, 0xF0}));  // the dialog's face through the icon
  // No icon in the caption yet: the caption's text begins at its left.
  EXPECT_NE(before.at(3 + 2 + 12, 3 + 1 + 8), pixel_of(kGreen));

  auto small = static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(IDI_TEST), IMAGE_ICON, 16, 16, LR_SHARED));
  HICON big = LoadIconW(self(), MAKEINTRESOURCEW(IDI_TEST));
  EXPECT_EQ(SendMessageW(box_, WM_SETICON, ICON_BIG, LPARAM(big)), 0);
  EXPECT_EQ(SendMessageW(box_, WM_SETICON, ICON_SMALL, LPARAM(small)), 0);
  EXPECT_EQ(HICON(SendMessageW(box_, WM_GETICON, ICON_BIG, 0)), big);
  EXPECT_EQ(HICON(SendMessageW(box_, WM_GETICON, ICON_SMALL, 0)), small);
  EXPECT_EQ(HICON(SendMessageW(box_, WM_SETICON, ICON_SMALL, 0)), small);  // the one it replaces
  EXPECT_EQ(HICON(SendMessageW(box_, WM_GETICON, ICON_SMALL2, 0)), big);  // the big one stands in
  SendMessageW(box_, WM_SETICON, ICON_SMALL, LPARAM(small));

  // The small icon at the caption's left, 16 x 16 in the 17-pixel bar: its masked half shows
  // the caption, its other half green.
  Png after = shot();
  EXPECT_EQ(after.at(3 + 2 + 12, 3 + 8), pixel_of(kGreen));
  EXPECT_NE(after.at(3 + 2 + 3, 3 + 8), pixel_of(kGreen));
}

// Minimised, the window is a 64 x 64 square of client area that paints in its own WM_PAINT.
WNDPROC g_dialog_proc = nullptr;

LRESULT CALLBACK iconic_painter(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT && IsIconic(hwnd)) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SendMessageW(hwnd, WM_ICONERASEBKGND, WPARAM(dc), 0);
    RECT r;
    GetClientRect(hwnd, &r);
    DrawIcon(dc, (r.right - GetSystemMetrics(SM_CXICON) + 1) / 2, (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2,
             LoadIconW(self(), MAKEINTRESOURCEW(IDI_TEST)));
    EndPaint(hwnd, &ps);
    return 0;
  }
  return CallWindowProcW(g_dialog_proc, hwnd, msg, wp, lp);
}

TEST_F(IconWindowTest, AMinimisedWindowsScreenshotIsTheSquareItPainted) {
  g_dialog_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(box_, GWLP_WNDPROC, LONG_PTR(iconic_painter)));
  ASSERT_NE(g_dialog_proc, nullptr);
  ShowWindow(box_, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(box_));
  Png square = shot();
  ASSERT_TRUE(square.ok());
  EXPECT_EQ(square.width(), 64);
  EXPECT_EQ(square.height(), 64);
  EXPECT_EQ(square.at(2, 2), (Pixel{0, 0, 0}));    // COLOR_DESKTOP around the icon
  EXPECT_EQ(square.at(16 + 12, 16 + 12), pixel_of(kRed));  // the icon centred
  EXPECT_EQ(square.at(16 + 2, 16 + 2), (Pixel{0, 0, 0}));
  EXPECT_EQ(square.at(16 + 23, 16 + 23), pixel_of(kRed));
  EXPECT_EQ(square.at(16 + 24, 16 + 24), (Pixel{0, 0, 0}));

  ShowWindow(box_, SW_RESTORE);
  Png restored = shot();
  EXPECT_GT(restored.width(), 64);
  EXPECT_EQ(restored.at(5, 30), (Pixel{0xF0, 0xF0, 0xF0}));  // the dialog again, with its face
}

}  // namespace
