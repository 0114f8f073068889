#include "dial_entry.h"

#include <raserror.h>
#include <string.h>

#include "atlstr.h"
#include "record_size.h"

namespace {

// The sizes of the older layouts, which every later version of RAS accepts; a newer SDK's
// records only grow at their end.
const DWORD kRasDialParamsSize = SIZEOF_THROUGH(RASDIALPARAMSW, dwCallbackId);
const DWORD kRasConnStatusSize = SIZEOF_THROUGH(RASCONNSTATUSW, szPhoneNumber);
WIN32_RECORD_SIZE(kRasDialParamsSize, 2104);
WIN32_RECORD_SIZE(kRasConnStatusSize, 564);
const int kErrorTextLength = 512;
const int kMessageLength = 700;

// The first entry, in enumeration order, whose name contains pszText; null when none does.
const RASENTRYNAMEW* FindEntry(const RASENTRYNAMEW* pEntries, DWORD dwCount, LPCWSTR pszText) {
  for (DWORD i = 0; i < dwCount; ++i) {
    if (CStringW(pEntries[i].szEntryName).Find(pszText) >= 0) return &pEntries[i];
  }
  return nullptr;
}

void ShowDialError(DWORD dwError) {
  WCHAR szError[kErrorTextLength] = {};
  ::RasGetErrorStringW(dwError, szError, kErrorTextLength);
  szError[kErrorTextLength - 1] = 0;
  CStringW strMessage;
  strMessage.Format(
      L"RAS error %d: %s\nFor more help on this error:\nType 'hh netcfg.chm'\nIn help, click Troubleshooting, then "
      L"Error Messages, then %d",
      static_cast<int>(dwError), szError, static_cast<int>(dwError));
  ShowDimbrelMessage(strMessage.Left(kMessageLength - 1), false);
}

// Hangs up and waits, yielding, until the connection is gone.
void HangUpAndWait(HRASCONN hRasConn) {
  ::RasHangUpW(hRasConn);
  RASCONNSTATUSW status;
  memset(&status, 0, sizeof status);
  status.dwSize = kRasConnStatusSize;
  while (::RasGetConnectStatusW(hRasConn, &status) != ERROR_INVALID_HANDLE) ::Sleep(0);
}

int DialFoundEntry(const RASENTRYNAMEW& entry) {
  RASDIALPARAMSW params;
  memset(&params, 0, sizeof params);
  params.dwSize = kRasDialParamsSize;
  ::lstrcpynW(params.szEntryName, entry.szEntryName, RAS_MaxEntryName + 1);
  BOOL bPassword = FALSE;
  if (::RasGetEntryDialParamsW(nullptr, &params, &bPassword) != ERROR_SUCCESS) {
    ShowDimbrelMessage(L"Failed to get dialing parameters", false);
    return 0;
  }
  HRASCONN hRasConn = nullptr;
  DWORD dwResult = ::RasDialW(nullptr, nullptr, &params, 0, nullptr, &hRasConn);
  memset(&params, 0, sizeof params);
  if (dwResult == ERROR_SUCCESS) return 1;
  ShowDialError(dwResult);
  HangUpAndWait(hRasConn);
  return 0;
}

}  // namespace

void ShowDimbrelMessage(LPCWSTR pszText, bool bErrorIcon) {
  if (bErrorIcon)
    ::MessageBoxExW(nullptr, pszText, L"Dimbrel", MB_ICONERROR, 0);
  else
    ::MessageBoxW(nullptr, pszText, L"Dimbrel", MB_OK);
}

int DialEntry(LPCWSTR pszText) {
  RASENTRYNAMEW* pEntries = nullptr;
  DWORD dwCount = 0;
  int nResult = 0;
  if (!EnumPhonebookEntries(&pEntries, &dwCount)) {
    ShowDimbrelMessage(L"Failed to get list of connections", false);
  } else if (const RASENTRYNAMEW* pEntry = FindEntry(pEntries, dwCount, pszText)) {
    nResult = DialFoundEntry(*pEntry);
  } else {
    ShowDimbrelMessage(L"No such connection", false);
  }
  if (pEntries != nullptr) ::HeapFree(::GetProcessHeap(), 0, pEntries);
  return nResult;
}
