// The RAS records as the service exchanges them with RAS: their versions, selected by dwSize.
// The structures this build declares may be newer and longer; the service sets these sizes and
// steps through record lists by them.
#pragma once

#include <string.h>

#include "cstringt.h"
#include "rv_net_api.h"

const DWORD kRasEntryNameSize = 532;   // RASENTRYNAMEA with dwFlags and szPhonebookPath
const DWORD kRasDialParamsSize = 1060;  // RASDIALPARAMSA with dwSubEntry and dwCallbackId
const DWORD kRasEntrySize = 2884;       // RASENTRYA of Windows XP
const DWORD kRasConnStatusSize = 288;   // RASCONNSTATUSA with szPhoneNumber
const DWORD kRasPppIpSize = 48;         // RASPPPIPA with dwOptions and dwServerOptions
const DWORD kRasConnSize = 704;         // RASCONNA with guidEntry, dwFlags and luid

static_assert(sizeof(RASENTRYNAMEA) >= kRasEntryNameSize, "RASENTRYNAMEA holds its record");
static_assert(sizeof(RASDIALPARAMSA) >= kRasDialParamsSize, "RASDIALPARAMSA holds its record");
static_assert(sizeof(RASENTRYA) >= kRasEntrySize, "RASENTRYA holds its record");
static_assert(sizeof(RASCONNSTATUSA) >= kRasConnStatusSize, "RASCONNSTATUSA holds its record");
static_assert(sizeof(RASPPPIPA) >= kRasPppIpSize, "RASPPPIPA holds its record");
static_assert(sizeof(RASCONNA) >= kRasConnSize, "RASCONNA holds its record");

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
