// The base of the GDI object wrappers: m_hObject is the object's handle, deleted with the
// wrapper when the wrapper made or attached it. FromHandle gives the thread's permanent wrapper
// of a handle, or a temporary one of the handle's kind (CFont, CBitmap, CBrush, CPen) that goes
// at DeleteTempMap (the thread's idle time) and never deletes the object.
#pragma once

#include <windows.h>

#include "cobject.h"

class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)

 public:
  CGdiObject() : m_hObject(nullptr) {}
  ~CGdiObject() override;

  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  static CGdiObject* FromHandle(HGDIOBJ hObject);
  static void DeleteTempMap();

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  // Deletes the object; FALSE when there was none or it could not be deleted.
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;
  // Attaches the stock object (WHITE_BRUSH, DEFAULT_GUI_FONT, ...); deleting a stock object
  // does nothing.
  BOOL CreateStockObject(int nIndex);

  HGDIOBJ m_hObject;

 private:
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
};
