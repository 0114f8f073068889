// Window properties: handles kept on a window under a name or an atom.
#pragma once

#include "user_types.h"

#ifdef __cplusplus
extern "C" {
#endif

BOOL WINAPI SetPropW(HWND hWnd, LPCWSTR lpString, HANDLE hData);
BOOL WINAPI SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData);
HANDLE WINAPI GetPropW(HWND hWnd, LPCWSTR lpString);
HANDLE WINAPI GetPropA(HWND hWnd, LPCSTR lpString);
HANDLE WINAPI RemovePropW(HWND hWnd, LPCWSTR lpString);
HANDLE WINAPI RemovePropA(HWND hWnd, LPCSTR lpString);

#ifdef UNICODE
#define SetProp SetPropW
#define GetProp GetPropW
#define RemoveProp RemovePropW
#else
#define SetProp SetPropA
#define GetProp GetPropA
#define RemoveProp RemovePropA
#endif

#ifdef __cplusplus
}
#endif
