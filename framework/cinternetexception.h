// A failed WinInet call: its error code (GetLastError's, a 12000-range code or a system one)
// and the context value of the handle it concerned.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "cexception.h"

class CInternetException : public CException {
  DECLARE_DYNAMIC(CInternetException)

 public:
  explicit CInternetException(DWORD dwError);

  // WinInet's text for the code (its message table); for ERROR_INTERNET_EXTENDED_ERROR the
  // server's last answer follows. FALSE with an empty text for a code WinInet has no text for.
  BOOL GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

  DWORD_PTR m_dwContext;
  DWORD m_dwError;
};

// Throws a CInternetException for dwError, GetLastError() when 0.
[[noreturn]] void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError = 0);
