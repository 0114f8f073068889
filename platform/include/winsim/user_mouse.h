// The mouse: capture, cursor, hit-test codes and button flags.
#pragma once

#include "user_types.h"

#ifdef __cplusplus
extern "C" {
#endif

// Mouse message key flags (wParam).
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

// WM_NCHITTEST results.
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2

HWND WINAPI SetCapture(HWND hWnd);
BOOL WINAPI ReleaseCapture(void);
HWND WINAPI GetCapture(void);
HCURSOR WINAPI GetCursor(void);

#ifdef __cplusplus
}
#endif
