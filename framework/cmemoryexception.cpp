#include "cmemoryexception.h"

IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)

namespace {
const char kMessage[] = "Out of memory.";
}

CMemoryException::CMemoryException() : CSimpleException(kMessage, TRUE) {}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(kMessage, bAutoDelete) {}

void AfxThrowMemoryException() {
  static CMemoryException out_of_memory(FALSE);
  throw &out_of_memory;
}
