// An argument outside what the operation accepts (a string index out of range, ...).
#pragma once

#include "csimpleexception.h"

class CInvalidArgException : public CSimpleException {
  DECLARE_DYNAMIC(CInvalidArgException)

 public:
  CInvalidArgException();
  explicit CInvalidArgException(BOOL bAutoDelete);
};

[[noreturn]] void AfxThrowInvalidArgException();
