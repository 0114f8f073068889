// The pointer-precision integer types of the 64-bit Windows data model (LLP64) on the LP64 host.
#pragma once

#include <stdint.h>

typedef unsigned long long DWORD64;
// Pointer-sized as the host's intptr_t, so that SIZE_T is size_t as on Windows.
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef ULONG_PTR SIZE_T;
typedef LONG_PTR SSIZE_T;

typedef SIZE_T* PSIZE_T;
typedef ULONG_PTR* PULONG_PTR;

#ifdef __cplusplus
static_assert(sizeof(void*) == 8, "the Linux build is for a 64-bit host");
static_assert(sizeof(INT_PTR) == sizeof(void*) && sizeof(UINT_PTR) == sizeof(void*) &&
                  sizeof(LONG_PTR) == sizeof(void*) && sizeof(ULONG_PTR) == sizeof(void*) &&
                  sizeof(DWORD_PTR) == sizeof(void*) && sizeof(SIZE_T) == sizeof(void*),
              "the pointer-sized types of 64-bit Windows");
#endif
