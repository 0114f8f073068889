#include "cgdiobject.h"

#include "cbitmap.h"
#include "cbrush.h"
#include "cfont.h"
#include "cpen.h"
#include "gdi_handle_map.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

using ObjectMap = framework::GdiHandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject>;

// A temporary wrapper of the class of the object's kind, so that CFont::FromHandle and the
// others hand out objects of their own class.
CGdiObject* NewWrapperOfKind(HGDIOBJ hObject) {
  switch (::GetObjectType(hObject)) {
    case OBJ_FONT:
      return new CFont;
    case OBJ_BITMAP:
      return new CBitmap;
    case OBJ_BRUSH:
      return new CBrush;
    case OBJ_PEN:
      return new CPen;
    default:
      return new CGdiObject;
  }
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  return ObjectMap::Current().FromHandle(hObject, [hObject] { return NewWrapperOfKind(hObject); });
}

void CGdiObject::DeleteTempMap() { ObjectMap::Current().DeleteTemporaries(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  DeleteObject();
  m_hObject = hObject;
  ObjectMap::Current().SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject != nullptr) ObjectMap::Current().RemovePermanent(hObject);
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObject(m_hObject, nCount, lpObject); }

UINT CGdiObject::GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
