// Bit-block transfers between memory DCs, and text drawn into one.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kMagenta = RGB(255, 0, 255), kBlue = RGB(0, 0, 255);

// A memory DC on a screen-compatible bitmap filled with one colour.
class Picture {
 public:
  Picture(int cx, int cy, COLORREF fill) : dc_(CreateCompatibleDC(nullptr)) {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, cx, cy);
    ReleaseDC(nullptr, screen);
    first_ = SelectObject(dc_, bitmap_);
    this->fill({0, 0, cx, cy}, fill);
  }
  ~Picture() {
    SelectObject(dc_, first_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  void fill(RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ first_;
};

TEST(GdiBlitTest, BitBltCopiesAndTransparentBltLeavesTheKeyColourOut) {
  Picture source(8, 8, kMagenta);
  source.fill({4, 0, 8, 8}, kBlue);  // left half magenta, right half blue

  Picture copied(8, 8, kWhite);
  ASSERT_TRUE(BitBlt(copied.dc(), 0, 0, 8, 8, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(copied.at(1, 1), kMagenta);
  EXPECT_EQ(copied.at(6, 6), kBlue);

  Picture keyed(8, 8, kWhite);
  ASSERT_TRUE(TransparentBlt(keyed.dc(), 0, 0, 8, 8, source.dc(), 0, 0, 8, 8, kMagenta));
  EXPECT_EQ(keyed.at(1, 1), kWhite);
  EXPECT_EQ(keyed.at(3, 7), kWhite);
  EXPECT_EQ(keyed.at(4, 0), kBlue);
  EXPECT_EQ(keyed.at(7, 7), kBlue);

  // Stretched to twice the size, the halves' border moves to x = 8.
  Picture stretched(16, 16, kWhite);
  ASSERT_TRUE(StretchBlt(stretched.dc(), 0, 0, 16, 16, source.dc(), 0, 0, 8, 8, SRCCOPY));
  EXPECT_EQ(stretched.at(7, 15), kMagenta);
  EXPECT_EQ(stretched.at(8, 0), kBlue);

  // An offset source and destination.
  Picture shifted(8, 8, kWhite);
  ASSERT_TRUE(BitBlt(shifted.dc(), 2, 2, 4, 4, source.dc(), 3, 0, SRCCOPY));
  EXPECT_EQ(shifted.at(1, 2), kWhite);
  EXPECT_EQ(shifted.at(2, 2), kMagenta);
  EXPECT_EQ(shifted.at(3, 2), kBlue);
  EXPECT_EQ(shifted.at(6, 6), kWhite);
}

TEST(GdiBlitTest, PixelsOutsideTheBitmapAreInvalid) {
  Picture p(4, 4, kWhite);
  EXPECT_EQ(p.at(4, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(p.dc(), 1, 1, kBlue), kBlue);
  EXPECT_EQ(p.at(1, 1), kBlue);
}

TEST(GdiBlitTest, TextTakesTheDcsColoursAndBackgroundMode) {
  Picture p(60, 24, kWhite);
  HGDIOBJ before = SelectObject(p.dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(p.dc(), RGB(255, 0, 0));
  EXPECT_EQ(GetTextColor(p.dc()), RGB(255, 0, 0));
  EXPECT_EQ(SetBkMode(p.dc(), TRANSPARENT), OPAQUE);
  ASSERT_TRUE(TextOutW(p.dc(), 2, 2, L"WWW", 3));
  int red = 0, other = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 60; ++x) {
      COLORREF c = p.at(x, y);
      if (c == kWhite) continue;
      (GetRValue(c) > GetGValue(c) + 60 && GetGValue(c) == GetBValue(c)) ? ++red : ++other;
    }
  EXPECT_GT(red, 20);
  EXPECT_LT(other, red / 2);  // only the edges' blend

  // OPAQUE fills the text's cell with the background colour.
  SetBkMode(p.dc(), OPAQUE);
  SetBkColor(p.dc(), kBlue);
  TEXTMETRICW tm{};
  GetTextMetricsW(p.dc(), &tm);
  ASSERT_TRUE(TextOutW(p.dc(), 30, 0, L"i", 1));
  EXPECT_EQ(p.at(30, tm.tmHeight - 1), kBlue);
  EXPECT_EQ(p.at(30, tm.tmHeight + 1), kWhite);
  SelectObject(p.dc(), before);
}

}  // namespace
