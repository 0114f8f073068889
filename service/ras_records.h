// The RAS records as the service exchanges them with RAS: their versions, selected by dwSize.
// The structures this build declares may be newer and longer; the service sets these sizes and
// steps through record lists by them.
#pragma once

#include <string.h>

#include "cstringt.h"
#include "record_size.h"
#include "rv_net_api.h"

const DWORD kRasEntryNameSize = SIZEOF_THROUGH(RASENTRYNAMEA, szPhonebookPath);
const DWORD kRasDialParamsSize = SIZEOF_THROUGH(RASDIALPARAMSA, dwCallbackId);
const DWORD kRasEntrySize = SIZEOF_THROUGH(RASENTRYA, dwRedialPause);  // RASENTRYA of Windows XP
const DWORD kRasConnStatusSize = SIZEOF_THROUGH(RASCONNSTATUSA, szPhoneNumber);
const DWORD kRasPppIpSize = SIZEOF_THROUGH(RASPPPIPA, dwServerOptions);
const DWORD kRasConnSize = SIZEOF_THROUGH(RASCONNA, luid);

WIN32_RECORD_SIZE(kRasEntryNameSize, 532);
WIN32_RECORD_SIZE(kRasDialParamsSize, 1060);
WIN32_RECORD_SIZE(kRasEntrySize, 2884);
WIN32_RECORD_SIZE(kRasConnStatusSize, 288);
WIN32_RECORD_SIZE(kRasPppIpSize, 48);
WIN32_RECORD_SIZE(kRasConnSize, 704);

// Heap copies of a record: this build's whole structure, the record's bytes and zeros after
// them; null when memory runs out. Freed with free().
RASENTRYA* CopyRasEntry(const RASENTRYA* pEntry);
RASDIALPARAMSA* CopyDialParams(const RASDIALPARAMSA* pParams);

// The entry's device type is "vpn" in any case, and nothing more.
bool IsVpnDeviceType(const RASENTRYA* pEntry);

// A record's text field, which RAS may have filled to its last byte.
template <size_t N>
CString FieldText(const char (&szField)[N]) {
  return CString(szField, static_cast<int>(strnlen(szField, N)));
}

// Copies text into a record's field, cut to the field and always terminated.
template <size_t N>
void CopyText(char (&szField)[N], const char* pszText) {
  size_t n = strnlen(pszText, N - 1);
  memcpy(szField, pszText, n);
  szField[n] = 0;
}
