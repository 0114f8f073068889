// The base of the small template library the phone-book tools use: the Windows headers and the
// text conversions (atlconv.h), as the classic library's base header brings them.
#pragma once

#include <windows.h>

#include "atlconv.h"
