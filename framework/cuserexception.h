// The user has been told what went wrong (a message box about an entry that failed validation);
// the exception only stops the operation, with nothing more to report.
#pragma once

#include "csimpleexception.h"

class CUserException : public CSimpleException {
  DECLARE_DYNAMIC(CUserException)

 public:
  CUserException();
  explicit CUserException(BOOL bAutoDelete);
};

[[noreturn]] void AfxThrowUserException();
