// Out of memory. One object serves every throw, since allocating one could fail too.
#pragma once

#include "csimpleexception.h"

class CMemoryException : public CSimpleException {
  DECLARE_DYNAMIC(CMemoryException)

 public:
  CMemoryException();
  explicit CMemoryException(BOOL bAutoDelete);
};

[[noreturn]] void AfxThrowMemoryException();
