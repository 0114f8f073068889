// The C runtime's thread functions, and system and _wsystem, which stdlib.h declares.
#pragma once

#include <stdlib.h>

#include "minwindef.h"

#ifdef __cplusplus
extern "C" {
#endif

// A thread handle (close it with CloseHandle), or 0 with errno set.
uintptr_t __cdecl _beginthreadex(void* security, unsigned stack_size, unsigned(__stdcall* start_address)(void*),
                                 void* arglist, unsigned initflag, unsigned* thrdaddr);
void __cdecl _endthreadex(unsigned retval);

#ifdef __cplusplus
}
#endif
