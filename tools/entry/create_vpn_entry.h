// Writes one VPN entry into the default phone book, with the user's credentials as the default
// ones for all users and, when given, the L2TP pre-shared key.
#pragma once

#include <windows.h>

// 1 when the entry and the user's credentials were written, 0 otherwise (after its own
// message, where there is one). pszPreSharedKey may be null: none.
int CreateVpnEntry(LPCWSTR pszName, LPCWSTR pszServer, LPCWSTR pszUser, LPCWSTR pszPassword, LPCWSTR pszPreSharedKey,
                   DWORD dwVpnStrategy, BOOL bRemoteDefaultGateway);
