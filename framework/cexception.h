// The base of the framework's exceptions. They are thrown by pointer (throw new ...), caught as
// CException* and ended with Delete(), which frees the object unless it is not auto-deleted
// (a static or stack object).
#pragma once

#include "cobject.h"
#include "cstringt.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  CException();
  explicit CException(BOOL bAutoDelete);
  ~CException() override = 0;

  void Delete();
  // Copies the exception's text into lpszError (at most nMaxError characters with the
  // terminator); FALSE when the exception has none.
  virtual BOOL GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

  BOOL m_bAutoDelete;

 protected:
  static BOOL CopyMessage(const CString& text, CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};
