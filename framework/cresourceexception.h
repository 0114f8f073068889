// A system resource (a handle, a synchronisation object) could not be created.
#pragma once

#include "csimpleexception.h"

class CResourceException : public CSimpleException {
  DECLARE_DYNAMIC(CResourceException)

 public:
  CResourceException();
  explicit CResourceException(BOOL bAutoDelete);
};

[[noreturn]] void AfxThrowResourceException();
