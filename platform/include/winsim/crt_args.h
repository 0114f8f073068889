// The C runtime's copies of the program's arguments, split from its command line by the
// runtime's rules: __argv in the ANSI code page, __wargv in 16-bit characters. Programs may
// read them anywhere, as on Windows; both vectors end with a null pointer.
#pragma once

#include "winsim/types.h"

#ifdef __cplusplus
extern "C" {
#endif

extern int __argc;
extern char** __argv;
extern WCHAR** __wargv;

#ifdef __cplusplus
}
#endif
