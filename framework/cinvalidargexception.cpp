#include "cinvalidargexception.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)

namespace {
const char kMessage[] = "An invalid argument was encountered.";
}

CInvalidArgException::CInvalidArgException() : CSimpleException(kMessage, TRUE) {}

CInvalidArgException::CInvalidArgException(BOOL bAutoDelete) : CSimpleException(kMessage, bAutoDelete) {}

void AfxThrowInvalidArgException() { throw new CInvalidArgException(); }
