#include <gtest/gtest.h>

#include <string.h>

#include "cbitmap.h"
#include "cbrush.h"
#include "cclientdc.h"
#include "cdc.h"
#include "cfont.h"
#include "cpaintdc.h"
#include "cpen.h"
#include "cwnd.h"
#include "gdi_test.h"
#include "support/machine_fixture.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

class GdiWrappersTest : public testing_support::MachineTest {
 protected:
  void TearDown() override {
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    MachineTest::TearDown();
  }
  static bool Alive(HGDIOBJ hObject) { return ::GetObjectType(hObject) != 0; }
};

TEST_F(GdiWrappersTest, FontsKeepWhatTheyWereMadeWith) {
  CFont font;
  ASSERT_TRUE(font.CreateFont(-17, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
  LOGFONT logFont;
  ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof(LOGFONT)));
  EXPECT_EQ(logFont.lfHeight, -17);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(logFont.lfItalic, TRUE);
  EXPECT_EQ(U(logFont.lfFaceName), u"Arial");

  CFont copy;
  ASSERT_TRUE(copy.CreateFontIndirect(&logFont));
  EXPECT_NE(static_cast<HFONT>(copy), static_cast<HFONT>(font));

  CClientDC screen(nullptr);
  int nPixelsPerInch = screen.GetDeviceCaps(LOGPIXELSY);
  ASSERT_GT(nPixelsPerInch, 0);
  CFont points;
  ASSERT_TRUE(points.CreatePointFont(120, L"MS Shell Dlg"));
  ASSERT_GT(points.GetLogFont(&logFont), 0);
  EXPECT_EQ(logFont.lfHeight, -((12 * nPixelsPerInch + 36) / 72));
  EXPECT_EQ(U(logFont.lfFaceName), u"MS Shell Dlg");
}

TEST_F(GdiWrappersTest, WrappersDeleteWhatTheyOwnAndOnlyThat) {
  HGDIOBJ hOwned = nullptr;
  HBRUSH hForeign = ::CreateSolidBrush(RGB(1, 2, 3));
  {
    CBrush brush(RGB(10, 20, 30));
    hOwned = brush.m_hObject;
    EXPECT_EQ(CBrush::FromHandle(brush), &brush) << "an attached handle has its permanent object";

    CBrush* pTemporary = CBrush::FromHandle(hForeign);
    ASSERT_NE(pTemporary, nullptr);
    EXPECT_TRUE(pTemporary->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(CBrush::FromHandle(hForeign), pTemporary) << "one temporary per handle";
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    CGdiObject::DeleteTempMap();
    EXPECT_TRUE(Alive(hForeign)) << "a temporary deleted the object it wraps";

    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ hPen = pen.Detach();
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    EXPECT_TRUE(pen.Attach(hPen));
    EXPECT_EQ(pen.GetObjectType(), static_cast<UINT>(OBJ_PEN));
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_FALSE(Alive(hPen));
    EXPECT_FALSE(pen.DeleteObject());

    CGdiObject stock;
    EXPECT_TRUE(stock.CreateStockObject(WHITE_BRUSH));
  }
  EXPECT_FALSE(Alive(hOwned)) << "the destructor kept its brush";
  EXPECT_TRUE(Alive(::GetStockObject(WHITE_BRUSH)));
  EXPECT_TRUE(Alive(hForeign));
  ::DeleteObject(hForeign);
}

TEST_F(GdiWrappersTest, MemoryContextsSelectFillAndCopy) {
  CClientDC screen(nullptr);
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
  BITMAP info;
  ASSERT_GT(bitmap.GetBitmap(&info), 0);
  EXPECT_EQ(info.bmWidth, 20);
  EXPECT_EQ(info.bmHeight, 10);

  CBitmap* pOld = memory.SelectObject(&bitmap);
  ASSERT_NE(pOld, nullptr);
  EXPECT_TRUE(pOld->IsKindOf(RUNTIME_CLASS(CBitmap))) << "the previous object of the context";
  memory.FillSolidRect(0, 0, 20, 10, RGB(0, 255, 0));
  EXPECT_EQ(memory.GetBkColor(), RGB(0, 255, 0));
  CRect left(0, 0, 10, 10);
  CBrush red(RGB(255, 0, 0));
  memory.FillRect(&left, &red);
  EXPECT_EQ(::GetPixel(memory, 9, 9), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(memory, 10, 0), RGB(0, 255, 0));

  // Copies into a second context: all of it, stretched, and all but the red.
  CBitmap canvas;  // made before the context, so that it goes after it
  ASSERT_TRUE(canvas.CreateCompatibleBitmap(&screen, 40, 10));
  CDC target;
  ASSERT_TRUE(target.CreateCompatibleDC(&screen));
  target.SelectObject(&canvas);
  target.FillSolidRect(CRect(0, 0, 40, 10), RGB(0, 0, 255));
  EXPECT_TRUE(target.BitBlt(0, 0, 20, 10, &memory, 0, 0, SRCCOPY));
  EXPECT_EQ(::GetPixel(target, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(target, 19, 0), RGB(0, 255, 0));
  EXPECT_TRUE(target.TransparentBlt(20, 0, 20, 10, &memory, 0, 0, 20, 10, RGB(255, 0, 0)));
  EXPECT_EQ(::GetPixel(target, 20, 0), RGB(0, 0, 255)) << "the transparent colour was copied";
  EXPECT_EQ(::GetPixel(target, 39, 0), RGB(0, 255, 0));
  EXPECT_TRUE(target.StretchBlt(0, 0, 40, 10, &memory, 0, 0, 20, 10, SRCCOPY));
  EXPECT_EQ(::GetPixel(target, 19, 5), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(target, 20, 5), RGB(0, 255, 0));

  memory.SelectObject(pOld);
  HDC hMemory = memory.GetSafeHdc();
  EXPECT_EQ(CDC::FromHandle(hMemory), &memory);
  EXPECT_TRUE(memory.DeleteDC());
  EXPECT_EQ(memory.GetSafeHdc(), nullptr);
}

TEST_F(GdiWrappersTest, TextAttributesAndStatesComeBack) {
  CClientDC screen(nullptr);
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, L"Arial", &screen));
  CFont* pOldFont = dc.SelectObject(&font);
  ASSERT_NE(pOldFont, nullptr);
  EXPECT_TRUE(pOldFont->IsKindOf(RUNTIME_CLASS(CFont)));

  int nSaved = dc.SaveDC();
  ASSERT_NE(nSaved, 0);
  dc.SetTextColor(RGB(0, 0, 128));
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
  dc.SetTextAlign(TA_RIGHT);
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 128));
  EXPECT_TRUE(dc.RestoreDC(nSaved));
  EXPECT_NE(dc.GetTextColor(), RGB(0, 0, 128));
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  EXPECT_EQ(dc.GetTextAlign(), static_cast<UINT>(TA_LEFT | TA_TOP));

  TEXTMETRIC metrics;
  ASSERT_TRUE(dc.GetTextMetrics(&metrics));
  EXPECT_GT(metrics.tmHeight, 0);
  CSize wide = dc.GetTextExtent(CString(L"Tarvolt wizard"));
  CSize narrow = dc.GetTextExtent(L"Tarvolt wizard", 7);
  EXPECT_EQ(wide.cy, metrics.tmHeight);
  EXPECT_GT(wide.cx, narrow.cx) << "the count was not honoured";
  CRect bounds(0, 0, 60, 0);
  int nHeight = dc.DrawText(CString(L"several words that wrap in a narrow box"), &bounds,
                            DT_WORDBREAK | DT_CALCRECT);
  EXPECT_GT(nHeight, metrics.tmHeight) << "the text was not wrapped";
  EXPECT_EQ(bounds.bottom, nHeight);

  CGdiObject* pStock = dc.SelectStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(pStock, &font) << "the font selected before, as its own object";
  EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), nullptr);
}

TEST_F(GdiWrappersTest, ResourceBitmapsLoadFromTheProgram) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(IDB_HALVES));
  BITMAP info;
  ASSERT_GT(bitmap.GetBitmap(&info), 0);
  EXPECT_EQ(info.bmWidth, 6);
  EXPECT_EQ(info.bmHeight, 4);
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  dc.SelectObject(&bitmap);
  EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(dc, 5, 3), RGB(0, 0, 255));
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(IDB_HALVES + 1));
}

// A window class whose paint handler draws through CPaintDC.
struct PaintRecord {
  int nPaints = 0;
  bool bSameContext = false;
  RECT rcPaint{};
};
PaintRecord g_paint;

LRESULT CALLBACK PaintingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(hWnd, message, wParam, lParam);
  CPaintDC dc(CWnd::FromHandle(hWnd));
  ++g_paint.nPaints;
  g_paint.bSameContext = dc.GetSafeHdc() == dc.m_ps.hdc && dc.GetSafeHdc() != nullptr;
  g_paint.rcPaint = dc.m_ps.rcPaint;
  dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(255, 255, 255));
  return 0;
}

TEST_F(GdiWrappersTest, PaintContextsValidateWhatTheyPaint) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = PaintingProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"GdiWrappersPainting";
  ASSERT_NE(::RegisterClassW(&windowClass), 0);
  HWND hWnd = ::CreateWindowExW(0, L"GdiWrappersPainting", L"paint", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(hWnd, nullptr);
  g_paint = {};
  ::InvalidateRect(hWnd, nullptr, TRUE);
  ::UpdateWindow(hWnd);
  EXPECT_EQ(g_paint.nPaints, 1);
  EXPECT_TRUE(g_paint.bSameContext);
  RECT client;
  ::GetClientRect(hWnd, &client);
  EXPECT_EQ(g_paint.rcPaint.right, client.right);
  RECT update;
  EXPECT_FALSE(::GetUpdateRect(hWnd, &update, FALSE)) << "EndPaint did not validate the window";
  {
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CClientDC dc(pWnd);
    EXPECT_NE(dc.GetSafeHdc(), nullptr);
  }
  ::DestroyWindow(hWnd);
  CWnd::DeleteTempMap();
}

}  // namespace
