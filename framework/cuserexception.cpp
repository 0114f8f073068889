#include "cuserexception.h"

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

namespace {
const char kMessage[] = "The operation was stopped after the user was told why.";
}

CUserException::CUserException() : CSimpleException(kMessage, TRUE) {}

CUserException::CUserException(BOOL bAutoDelete) : CSimpleException(kMessage, bAutoDelete) {}

void AfxThrowUserException() { throw new CUserException(); }
