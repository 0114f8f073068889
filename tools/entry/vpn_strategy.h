// The keywords of -vt and the RASENTRYW.dwVpnStrategy values they stand for.
#pragma once

#include <windows.h>

extern const wchar_t kUnknownVpnStrategyText[];

// True and *pdwStrategy set when pszKeyword names a strategy, in any case.
bool LookupVpnStrategy(LPCWSTR pszKeyword, DWORD* pdwStrategy);
