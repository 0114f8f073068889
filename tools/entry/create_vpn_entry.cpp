#include "create_vpn_entry.h"

#include <ras.h>
#include <string.h>

#include "pardex_message.h"

namespace {

const int kMaxServer = 63;       // characters kept of the server
const int kMaxCredential = 127;  // characters kept of the user, the password and the key

// Copies at most nMax characters and the terminator.
template <size_t N>
void CopyCut(WCHAR (&field)[N], LPCWSTR psz, int nMax) {
  static_assert(N > 0);
  int nRoom = nMax + 1 < static_cast<int>(N) ? nMax + 1 : static_cast<int>(N);
  ::lstrcpynW(field, psz, nRoom);
}

DWORD SetCredentials(LPCWSTR pszName, LPCWSTR pszUser, LPCWSTR pszPassword, DWORD dwMask) {
  RASCREDENTIALSW credentials;
  memset(&credentials, 0, sizeof credentials);
  credentials.dwSize = sizeof(RASCREDENTIALSW);
  credentials.dwMask = dwMask;
  if (pszUser != nullptr) CopyCut(credentials.szUserName, pszUser, kMaxCredential);
  CopyCut(credentials.szPassword, pszPassword, kMaxCredential);
  DWORD dwResult = ::RasSetCredentialsW(nullptr, pszName, &credentials, FALSE);
  return dwResult;
}

}  // namespace

int CreateVpnEntry(LPCWSTR pszName, LPCWSTR pszServer, LPCWSTR pszUser, LPCWSTR pszPassword, LPCWSTR pszPreSharedKey,
                   DWORD dwVpnStrategy, BOOL bRemoteDefaultGateway) {
  DWORD dwSize = 0;
  ::RasGetEntryPropertiesW(nullptr, L"", nullptr, &dwSize, nullptr, nullptr);
  if (dwSize == 0) return 0;
  auto* pEntry = static_cast<RASENTRYW*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, dwSize));
  if (pEntry == nullptr) return 0;

  pEntry->dwSize = dwSize;
  pEntry->dwfOptions = RASEO_PreviewUserPw | (bRemoteDefaultGateway ? RASEO_RemoteDefaultGateway : 0);
  pEntry->dwVpnStrategy = dwVpnStrategy;
  CopyCut(pEntry->szLocalPhoneNumber, pszServer, kMaxServer);
  pEntry->dwEncryptionType = ET_Require;
  pEntry->dwFramingProtocol = RASFP_Ppp;
  pEntry->dwfNetProtocols = RASNP_Ip;
  ::lstrcpynW(pEntry->szDeviceType, L"vpn", RAS_MaxDeviceType + 1);
  pEntry->dwRedialCount = 0;
  pEntry->dwSubEntries = 0;
  pEntry->dwType = RASET_Vpn;
  pEntry->dwfOptions2 = pszPreSharedKey != nullptr ? RASEO2_UsePreSharedKey : 0;

  DWORD dwResult = ::RasSetEntryPropertiesW(nullptr, pszName, pEntry, dwSize, nullptr, 0);
  ::HeapFree(::GetProcessHeap(), 0, pEntry);
  if (dwResult != ERROR_SUCCESS) {
    ShowPardexError(L"Failed to create connection");
    return 0;
  }

  dwResult = SetCredentials(pszName, pszUser, pszPassword, RASCM_UserName | RASCM_Password | RASCM_DefaultCreds);
  if (pszPreSharedKey != nullptr) SetCredentials(pszName, nullptr, pszPreSharedKey, RASCM_PreSharedKey);
  if (dwResult != ERROR_SUCCESS) {
    ShowPardexError(L"Failed to set username and password");
    return 0;
  }
  return 1;
}
