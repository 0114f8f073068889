#include "csimpleexception.h"

IMPLEMENT_DYNAMIC(CSimpleException, CException)

CSimpleException::CSimpleException(LPCSTR lpszMessage, BOOL bAutoDelete)
    : CException(bAutoDelete), m_lpszMessage(lpszMessage) {}

BOOL CSimpleException::GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  return CopyMessage(CString(m_lpszMessage), lpszError, nMaxError, pnHelpContext);
}
