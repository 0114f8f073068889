// The C library's time.h, with what the Windows C runtime declares there besides:
// _get_timezone, the seconds that the machine's standard time lies west of UTC (negative east
// of it), as the runtime reads the system's time zone. Every inclusion passes on to the C
// library's header, which keeps its own guard.
#include_next <time.h>

#ifndef TARVOLT_CRT_TIME_DECLARED
#define TARVOLT_CRT_TIME_DECLARED

#ifdef __cplusplus
extern "C" {
#endif

typedef int errno_t;

// 0, or EINVAL for a null pointer.
errno_t _get_timezone(long* seconds);

#ifdef __cplusplus
}
#endif

#endif
