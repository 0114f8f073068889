#include "cresourceexception.h"

IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

namespace {
const char kMessage[] = "A required resource was unavailable.";
}

CResourceException::CResourceException() : CSimpleException(kMessage, TRUE) {}

CResourceException::CResourceException(BOOL bAutoDelete) : CSimpleException(kMessage, bAutoDelete) {}

void AfxThrowResourceException() { throw new CResourceException(); }
