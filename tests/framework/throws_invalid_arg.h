// Whether a call throws the framework's invalid-argument exception (and nothing else).
#pragma once

#include "cexception.h"
#include "cinvalidargexception.h"

template <class F>
bool ThrowsInvalidArg(F f) {
  try {
    f();
  } catch (CException* e) {
    bool invalid = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
    e->Delete();
    return invalid;
  }
  return false;
}
