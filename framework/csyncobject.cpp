#include "csyncobject.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)

CSyncObject::CSyncObject(CString::PCXSTR) : m_hObject(nullptr) {}

CSyncObject::~CSyncObject() {
  if (m_hObject != nullptr) {
    CloseHandle(m_hObject);
    m_hObject = nullptr;
  }
}

BOOL CSyncObject::Lock(DWORD dwTimeout) {
  DWORD result = WaitForSingleObject(m_hObject, dwTimeout);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

BOOL CSyncObject::Unlock(LONG, LPLONG) { return TRUE; }
