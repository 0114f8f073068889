// A bitmap object (HBITMAP).
#pragma once

#include "cgdiobject.h"
#include "cstringt.h"

class CDC;

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)

 public:
  static CBitmap* FromHandle(HBITMAP hBitmap) { return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap)); }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

  // From the resources of the application's module.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL LoadBitmap(CString::PCXSTR lpszResourceName);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
};
