// GDI objects: stock objects, what GetObject tells of each kind, deleting, and selecting into
// a memory DC.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(GdiObjectsTest, StockObjectsHaveTheirKindsAndSurviveDeleting) {
  HGDIOBJ white = GetStockObject(WHITE_BRUSH);
  ASSERT_NE(white, nullptr);
  EXPECT_EQ(GetObjectType(white), DWORD(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), DWORD(OBJ_PEN));
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), DWORD(OBJ_FONT));
  EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), DWORD(OBJ_FONT));
  EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);

  DeleteObject(white);
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(white, sizeof brush, &brush), int(sizeof brush));
  EXPECT_EQ(brush.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
  ASSERT_EQ(GetObjectW(GetStockObject(NULL_BRUSH), sizeof brush, &brush), int(sizeof brush));
  EXPECT_EQ(brush.lbStyle, UINT(BS_NULL));
}

TEST(GdiObjectsTest, CreatedObjectsDescribeThemselvesUntilDeleted) {
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectW(brush, 0, nullptr), int(sizeof lb));
  ASSERT_EQ(GetObjectW(brush, sizeof lb, &lb), int(sizeof lb));
  EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_FALSE(DeleteObject(brush));

  LOGFONTW wanted{};
  wanted.lfHeight = -13;
  wanted.lfWeight = FW_BOLD;
  wanted.lfItalic = TRUE;
  lstrcpyW(wanted.lfFaceName, L"Tahoma");
  HFONT font = CreateFontIndirectW(&wanted);
  LOGFONTW got{};
  ASSERT_EQ(GetObjectW(font, sizeof got, &got), int(sizeof got));
  EXPECT_EQ(got.lfHeight, -13);
  EXPECT_EQ(got.lfWeight, FW_BOLD);
  EXPECT_EQ(got.lfItalic, TRUE);
  EXPECT_EQ(lstrcmpiW(got.lfFaceName, L"Tahoma"), 0);
  LOGFONTA ansi{};
  ASSERT_EQ(GetObjectA(font, sizeof ansi, &ansi), int(sizeof ansi));
  EXPECT_EQ(lstrcmpiA(ansi.lfFaceName, "Tahoma"), 0);
  EXPECT_TRUE(DeleteObject(font));
}

TEST(GdiObjectsTest, MemoryDcStartsOnAOnePixelMonochromeBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
  HGDIOBJ first = GetCurrentObject(dc, OBJ_BITMAP);
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(first, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmHeight, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  // A bitmap made compatible with that DC is monochrome too; one compatible with the screen is not.
  HBITMAP mono = CreateCompatibleBitmap(dc, 8, 8);
  ASSERT_EQ(GetObjectW(mono, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, 8, 4);
  ASSERT_EQ(GetObjectW(colour, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 8);
  EXPECT_EQ(bm.bmHeight, 4);
  EXPECT_EQ(bm.bmBitsPixel, GetDeviceCaps(screen, BITSPIXEL));
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  ReleaseDC(nullptr, screen);

  // SelectObject hands back what was selected before, kind by kind.
  EXPECT_EQ(SelectObject(dc, colour), first);
  EXPECT_EQ(SelectObject(dc, mono), HGDIOBJ(colour));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HGDIOBJ first_brush = SelectObject(dc, brush);
  EXPECT_EQ(GetObjectType(first_brush), DWORD(OBJ_BRUSH));
  EXPECT_EQ(SelectObject(dc, first_brush), HGDIOBJ(brush));
  HGDIOBJ first_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(GetObjectType(first_font), DWORD(OBJ_FONT));
  EXPECT_EQ(SelectObject(dc, first_font), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(SelectObject(dc, first), HGDIOBJ(mono));

  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteObject(mono));
  EXPECT_TRUE(DeleteObject(colour));
  EXPECT_TRUE(DeleteDC(dc));
}

// A negative height asks for the character height, a positive one for the cell's.
TEST(GdiObjectsTest, FontHeightsAreCharacterOrCellHeights) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT by_character = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  HGDIOBJ before = SelectObject(dc, by_character);
  TEXTMETRICW character{};
  ASSERT_TRUE(GetTextMetricsW(dc, &character));
  EXPECT_EQ(character.tmHeight - character.tmInternalLeading, 13);
  EXPECT_EQ(character.tmAscent + character.tmDescent, character.tmHeight);

  HFONT by_cell = CreateFontW(character.tmHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  SelectObject(dc, by_cell);
  TEXTMETRICW cell{};
  ASSERT_TRUE(GetTextMetricsW(dc, &cell));
  EXPECT_EQ(cell.tmHeight, character.tmHeight);

  SIZE one{}, two{};
  ASSERT_TRUE(GetTextExtentPoint32W(dc, L"W", 1, &one));
  ASSERT_TRUE(GetTextExtentPoint32W(dc, L"WW", 2, &two));
  EXPECT_EQ(two.cx, 2 * one.cx);
  EXPECT_EQ(one.cy, cell.tmHeight);

  SelectObject(dc, before);
  DeleteObject(by_character);
  DeleteObject(by_cell);
  DeleteDC(dc);
}

}  // namespace
