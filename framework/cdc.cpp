#include "cdc.h"

#include "cbitmap.h"
#include "cbrush.h"
#include "cfont.h"
#include "cpen.h"
#include "gdi_handle_map.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

using DCMap = framework::GdiHandleMap<CDC, HDC, &CDC::m_hDC>;

HDC SourceOf(const CDC* pSrcDC) { return pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr; }

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hDC) {
  CDC* pDC = DCMap::Current().FromHandle(hDC, [] { return new CDC; });
  if (pDC != nullptr) pDC->m_hAttribDC = pDC->m_hDC;
  return pDC;
}

void CDC::DeleteTempMap() { DCMap::Current().DeleteTemporaries(); }

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr) return FALSE;
  DeleteDC();
  m_hDC = m_hAttribDC = hDC;
  DCMap::Current().SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  if (hDC != nullptr) DCMap::Current().RemovePermanent(hDC);
  m_hDC = m_hAttribDC = nullptr;
  return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen))); }

CBrush* CDC::SelectObject(CBrush* pBrush) {
  return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (pObject == nullptr || pObject->m_hObject == nullptr) return nullptr;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ hObject = ::GetStockObject(nIndex);
  return hObject != nullptr ? CGdiObject::FromHandle(::SelectObject(m_hDC, hObject)) : nullptr;
}

CSize CDC::GetTextExtent(CString::PCXSTR lpszString, int nCount) const {
  CSize size(0, 0);
  ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject)); }

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
  ::SetBkColor(m_hDC, crColor);
  CBrush brush(crColor);
  ::FillRect(m_hDC, lpRect, brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
  RECT rect = {x, y, x + cx, y + cy};
  FillSolidRect(&rect, crColor);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                         int nSrcWidth, int nSrcHeight, UINT clrTransparent) {
  return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, SourceOf(pSrcDC), xSrc, ySrc, nSrcWidth,
                          nSrcHeight, clrTransparent);
}
