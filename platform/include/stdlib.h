// The C library's stdlib.h, with what the Windows C runtime declares there besides: its copies
// of the program's arguments, split from its command line by the runtime's rules: __argv in the
// ANSI code page, __wargv in 16-bit characters. Programs may read them anywhere, as on Windows;
// both vectors end with a null pointer. system and _wsystem run a command in the machine's
// command interpreter (COMSPEC, else cmd.exe), wait for it and give its exit code.
// Every inclusion passes on to the C library's header, which keeps its own guard.
#include_next <stdlib.h>

#ifndef TARVOLT_CRT_ARGS_DECLARED
#define TARVOLT_CRT_ARGS_DECLARED

#ifdef __cplusplus
extern "C" {
#endif

extern int __argc;
extern char** __argv;
extern wchar_t** __wargv;

int _wsystem(const wchar_t* command);

#ifdef __cplusplus
}
#endif

#endif
