// DrawText: lines, wrapping, DT_CALCRECT, prefixes and vertical placement.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace {

class DrawTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_ = CreateCompatibleDC(nullptr);
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    before_ = SelectObject(dc_, font_);
    GetTextMetricsW(dc_, &tm_);
  }
  void TearDown() override {
    SelectObject(dc_, before_);
    DeleteObject(font_);
    DeleteDC(dc_);
  }
  int width(LPCWSTR text) {
    SIZE s{};
    GetTextExtentPoint32W(dc_, text, lstrlenW(text), &s);
    return s.cx;
  }
  // The rectangle DT_CALCRECT gives for `text` in a rectangle `cx` wide.
  RECT calc(LPCWSTR text, int cx, UINT format, int* height) {
    RECT r{10, 20, 10 + cx, 20};
    *height = DrawTextW(dc_, text, -1, &r, format | DT_CALCRECT);
    return r;
  }

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ before_ = nullptr;
  TEXTMETRICW tm_{};
};

TEST_F(DrawTextTest, WordBreakWrapsAtBlanksAndLineFeeds) {
  int height = 0;
  RECT one = calc(L"one two three", 1000, DT_WORDBREAK, &height);
  EXPECT_EQ(height, tm_.tmHeight);
  EXPECT_EQ(one.left, 10);
  EXPECT_EQ(one.top, 20);
  EXPECT_EQ(one.right, 10 + width(L"one two three"));
  EXPECT_EQ(one.bottom, 20 + tm_.tmHeight);

  // Room for "one two" but not for the third word: two lines, as wide as the wider.
  RECT two = calc(L"one two three", width(L"one two") + 2, DT_WORDBREAK, &height);
  EXPECT_EQ(height, 2 * tm_.tmHeight);
  EXPECT_EQ(two.right - two.left, width(L"one two"));

  // Line feeds end lines with or without DT_WORDBREAK; a word wider than the rectangle stands alone.
  calc(L"a\nb\r\nc", 1000, 0, &height);
  EXPECT_EQ(height, 3 * tm_.tmHeight);
  RECT wide = calc(L"x extraordinarily y", width(L"extra"), DT_WORDBREAK, &height);
  EXPECT_EQ(height, 3 * tm_.tmHeight);
  EXPECT_EQ(wide.right - wide.left, width(L"extraordinarily"));

  calc(L"a\nb", 1000, DT_SINGLELINE, &height);
  EXPECT_EQ(height, tm_.tmHeight);
}

TEST_F(DrawTextTest, PrefixMarksTakeNoRoomUnlessNoPrefix) {
  int height = 0;
  EXPECT_EQ(calc(L"&Save", 1000, DT_SINGLELINE, &height).right, 10 + width(L"Save"));
  EXPECT_EQ(calc(L"&Save", 1000, DT_SINGLELINE | DT_NOPREFIX, &height).right, 10 + width(L"&Save"));
  EXPECT_EQ(calc(L"R&&D", 1000, DT_SINGLELINE, &height).right, 10 + width(L"R&D"));
}

TEST_F(DrawTextTest, DrawnTextSitsWhereTheFormatSays) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ first = SelectObject(dc_, bitmap);
  RECT all{0, 0, 100, 40};
  FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc_, TRANSPARENT);

  // Centred both ways on one line: the result reaches from the top to the text's bottom.
  int bottom = DrawTextW(dc_, L"II", -1, &all, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_EQ(bottom, (40 - tm_.tmHeight) / 2 + tm_.tmHeight);
  int left = 100, right = 0, top = 40, low = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      if (GetPixel(dc_, x, y) != RGB(255, 255, 255)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        low = std::max(low, y);
      }
  ASSERT_LE(left, right);
  EXPECT_NEAR((left + right) / 2, 50, 3);
  EXPECT_GE(top, (40 - tm_.tmHeight) / 2);
  EXPECT_LT(low, bottom);

  SelectObject(dc_, first);
  DeleteObject(bitmap);
}

}  // namespace
