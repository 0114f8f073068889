// System metrics of the desktop and of the running Windows.
#pragma once

#include "types.h"

#define SM_SERVERR2 89

#ifdef __cplusplus
extern "C" {
#endif

// 0 for a metric the machine does not know.
int WINAPI GetSystemMetrics(int nIndex);

#ifdef __cplusplus
}
#endif
