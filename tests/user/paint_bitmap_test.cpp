// Bitmaps from the module's resources: their sizes and depths as GetObject tells them, and their
// pixels as a memory DC reads them.
#include <gtest/gtest.h>
#include <windows.h>

#include "paint_test.h"
#include "user/desk_fixture.h"

namespace {

using PaintBitmapTest = testing_support::DeskTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kMagenta = RGB(255, 0, 255);

COLORREF pixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, bitmap);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, before);
  DeleteDC(dc);
  return c;
}

TEST_F(PaintBitmapTest, ResourceBitmapsKeepTheirSizeDepthAndRows) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  auto loaded = static_cast<HBITMAP>(
      LoadImageW(self, MAKEINTRESOURCEW(IDB_PAINT_24), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(GetObjectType(loaded), DWORD(OBJ_BITMAP));
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(loaded, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 5);
  EXPECT_EQ(bm.bmHeight, 3);
  EXPECT_EQ(bm.bmBitsPixel, 24);
  EXPECT_EQ(bm.bmPlanes, 1);
  // The file stores rows bottom-up; the first row read is the top one.
  EXPECT_EQ(pixel(loaded, 0, 0), kRed);
  EXPECT_EQ(pixel(loaded, 2, 0), kBlue);
  EXPECT_EQ(pixel(loaded, 4, 0), kBlack);
  EXPECT_EQ(pixel(loaded, 3, 1), kMagenta);
  EXPECT_EQ(pixel(loaded, 0, 2), kBlack);
  EXPECT_EQ(pixel(loaded, 4, 2), kRed);
  EXPECT_TRUE(DeleteObject(loaded));

  HBITMAP eight = LoadBitmapW(self, MAKEINTRESOURCEW(IDB_PAINT_8));
  ASSERT_NE(eight, nullptr);
  ASSERT_EQ(GetObjectW(eight, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 4);
  EXPECT_EQ(bm.bmBitsPixel, 8);
  EXPECT_EQ(pixel(eight, 0, 0), kRed);
  EXPECT_EQ(pixel(eight, 3, 0), kWhite);
  EXPECT_EQ(pixel(eight, 0, 1), kWhite);
  DeleteObject(eight);

  HBITMAP four = LoadBitmapW(self, MAKEINTRESOURCEW(IDB_PAINT_4));
  ASSERT_NE(four, nullptr);
  EXPECT_EQ(pixel(four, 0, 0), kRed);
  EXPECT_EQ(pixel(four, 1, 0), kGreen);
  EXPECT_EQ(pixel(four, 2, 0), kBlue);
  EXPECT_EQ(pixel(four, 0, 1), kBlue);
  DeleteObject(four);
}

TEST_F(PaintBitmapTest, MissingBitmapIsNull) {
  EXPECT_EQ(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(999)), nullptr);
  EXPECT_EQ(LoadImageW(GetModuleHandleW(nullptr), L"NOSUCHBITMAP", IMAGE_BITMAP, 0, 0, 0), nullptr);
}

// A bitmap static takes its bitmap's size; STM_SETIMAGE hands back the one before.
TEST_F(PaintBitmapTest, BitmapStaticShowsItsBitmap) {
  HWND parent = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr,
                                nullptr, nullptr);
  HWND picture = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 10, 10, 60, 60, parent,
                                 nullptr, nullptr, nullptr);
  HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PAINT_24));
  EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(bitmap)), 0);
  EXPECT_EQ(HBITMAP(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), bitmap);
  RECT r;
  GetClientRect(picture, &r);
  EXPECT_EQ(r.right, 5);
  EXPECT_EQ(r.bottom, 3);
  UpdateWindow(parent);
  HDC dc = GetDC(picture);
  EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
  EXPECT_EQ(GetPixel(dc, 4, 2), kRed);
  ReleaseDC(picture, dc);
  DestroyWindow(parent);
  DeleteObject(bitmap);
}

}  // namespace
