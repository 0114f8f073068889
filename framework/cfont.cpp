#include "cfont.h"

#include "cdc.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) { return Attach(::CreateFontIndirect(lpLogFont)); }

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, CString::PCXSTR lpszFacename) {
  return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                             nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, CString::PCXSTR lpszFaceName, CDC* pDC) {
  LOGFONT logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  if (lpszFaceName != nullptr) {
    CString face = CString(lpszFaceName).Left(LF_FACESIZE - 1);
    for (int i = 0; i < face.GetLength(); ++i) logFont.lfFaceName[i] = face[i];
  }
  HDC hScreen = pDC == nullptr ? ::GetDC(nullptr) : nullptr;
  int nPixelsPerInch = ::GetDeviceCaps(pDC != nullptr ? pDC->m_hAttribDC : hScreen, LOGPIXELSY);
  if (hScreen != nullptr) ::ReleaseDC(nullptr, hScreen);
  // A negative height asks for the character height, rounded to the nearest pixel.
  logFont.lfHeight = -((nPointSize * nPixelsPerInch + 360) / 720);
  return CreateFontIndirect(&logFont);
}
