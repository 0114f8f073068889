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
  // A message box with the exception's text (else string nMessageID of the resources, else a
  // general text), captioned with the application's name and owned by its main window; the
  // box's answer.
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

  BOOL m_bAutoDelete;

 protected:
  static BOOL CopyMessage(const CString& text, CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};
