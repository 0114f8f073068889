// A growable array of CString, with CArray's members.
#pragma once

#include "carray.h"
#include "cstringt.h"

class CStringArray : public CArray<CString, const CString&> {
  DECLARE_DYNAMIC(CStringArray)
};
