#include "cexception.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() = default;

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError > 0) *lpszError = 0;
  return FALSE;
}

BOOL CException::CopyMessage(const CString& text, CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext) {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return TRUE;
  UINT n = static_cast<UINT>(text.GetLength());
  if (n > nMaxError - 1) n = nMaxError - 1;
  CString::CopyChars(lpszError, text.GetString(), static_cast<int>(n));
  lpszError[n] = 0;
  return TRUE;
}
