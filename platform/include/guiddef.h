// Globally unique identifiers.
#pragma once

#include "minwindef.h"

typedef struct _GUID {
  DWORD Data1;
  unsigned short Data2;
  unsigned short Data3;
  unsigned char Data4[8];
} GUID;

#ifdef __cplusplus
static_assert(sizeof(GUID) == 16, "the x64 layouts");
#endif
