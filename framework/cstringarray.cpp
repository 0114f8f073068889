#include "cstringarray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
