// An exception that carries only a fixed text of its kind (memory, resources, arguments).
#pragma once

#include "cexception.h"

class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)

 public:
  BOOL GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

 protected:
  CSimpleException(LPCSTR lpszMessage, BOOL bAutoDelete);

 private:
  LPCSTR m_lpszMessage;  // ASCII
};
