#include "cmutex.h"

#include "cresourceexception.h"
#include "win_api_t.h"

IMPLEMENT_DYNAMIC(CMutex, CSyncObject)

CMutex::CMutex(BOOL bInitiallyOwn, CString::PCXSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName) {
  m_hObject = framework::CreateMutexT(lpsaAttribute, bInitiallyOwn, lpszName);
  if (m_hObject == nullptr) AfxThrowResourceException();
}

CMutex::~CMutex() = default;

BOOL CMutex::Unlock() { return ReleaseMutex(m_hObject); }
