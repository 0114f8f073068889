// A device context (HDC): m_hDC draws, m_hAttribDC answers queries (the same handle here). The
// wrapper deletes a context it made or attached; FromHandle gives the thread's permanent
// wrapper of a handle or a temporary one that goes at DeleteTempMap (the thread's idle time).
// SelectObject returns the object it replaced as a wrapper (temporary unless it has one).
#pragma once

#include <windows.h>

#include "atltypes.h"
#include "cobject.h"
#include "cstringt.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;

class CDC : public CObject {
  DECLARE_DYNAMIC(CDC)

 public:
  CDC() : m_hDC(nullptr), m_hAttribDC(nullptr) {}
  ~CDC() override;

  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const { return m_hDC; }

  static CDC* FromHandle(HDC hDC);
  static void DeleteTempMap();
  BOOL Attach(HDC hDC);
  HDC Detach();

  // A memory context like pDC's (the screen's when null).
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  CGdiObject* SelectStockObject(int nIndex);

  COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
  COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
  int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
  int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
  UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
  UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }

  BOOL GetTextMetrics(TEXTMETRIC* lpMetrics) const { return ::GetTextMetrics(m_hAttribDC, lpMetrics); }
  CSize GetTextExtent(CString::PCXSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str.GetString(), str.GetLength()); }
  BOOL TextOut(int x, int y, CString::PCXSTR lpszString, int nCount) {
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
  }
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str.GetString(), str.GetLength()); }
  // The height of the text drawn (or measured, with DT_CALCRECT); nCount -1 for a terminated text.
  int DrawText(CString::PCXSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
  }
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
  }

  // The icon at its own size (SM_CXICON by SM_CYICON for a standard one).
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
  BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }

  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  // Leaves crColor as the background colour, as SetBkColor would.
  void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                  int nSrcHeight, DWORD dwRop);
  // Copies all but the pixels of clrTransparent.
  BOOL TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                      int nSrcWidth, int nSrcHeight, UINT clrTransparent);

  HDC m_hDC;
  HDC m_hAttribDC;

 private:
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
};
