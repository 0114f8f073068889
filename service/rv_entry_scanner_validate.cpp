// The check of one enumerated entry: the name rule, the stored dial parameters and the
// properties, whose device type must be "vpn".
#include <stdlib.h>
#include <string.h>

#include "apply_entry_name.h"
#include "ras_records.h"
#include "rv_entry_scanner.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

// The entry's properties in a heap buffer of their full size and at least one RASENTRYA;
// nullptr with *pbOutOfMemory false when RAS cannot read them.
RASENTRYA* ReadEntryProperties(const char* pszPhonebook, const char* pszName, bool* pbOutOfMemory) {
  *pbOutOfMemory = false;
  DWORD cbEntry = 0;
  if (RasGetEntryPropertiesA(pszPhonebook, pszName, nullptr, &cbEntry, nullptr, nullptr) != ERROR_BUFFER_TOO_SMALL)
    return nullptr;
  if (cbEntry < sizeof(RASENTRYA)) cbEntry = sizeof(RASENTRYA);
  RASENTRYA* pEntry = static_cast<RASENTRYA*>(calloc(1, cbEntry));
  if (pEntry == nullptr) {
    *pbOutOfMemory = true;
    return nullptr;
  }
  pEntry->dwSize = kRasEntrySize;
  if (RasGetEntryPropertiesA(pszPhonebook, pszName, pEntry, &cbEntry, nullptr, nullptr) != 0) {
    free(pEntry);
    return nullptr;
  }
  return pEntry;
}

}  // namespace

bool RV_EntryScanner::ValidateRasEntryName(const RASENTRYNAMEA* pRecord, RV_VPNObject* pObject) {
  m_pApp->WriteLog(3, "RV_VPNObject::ValidateRasEntryName() Entry");
  const char* pszName = pRecord->szEntryName;
  bool bValid = ApplyEntryName(m_pApp, pszName, pObject);
  if (bValid) {
    RASDIALPARAMSA params;
    memset(&params, 0, sizeof(params));
    params.dwSize = kRasDialParamsSize;
    CopyText(params.szEntryName, pszName);
    BOOL bPassword = FALSE;
    DWORD dwResult = RasGetEntryDialParamsA(pRecord->szPhonebookPath, &params, &bPassword);
    // The entry is dialled later with what RAS left; the dial shows its own failure.
    if (dwResult != 0)
      m_pApp->WriteLog(2, "Unexpected error at RasGetEntryDialParams! Error code: %lu", dwResult);

    bool bOutOfMemory = false;
    RASENTRYA* pEntry = ReadEntryProperties(pRecord->szPhonebookPath, pszName, &bOutOfMemory);
    if (bOutOfMemory) {
      m_pApp->WriteLog(2, "Error! Not enough memory!");
      return false;
    }
    bValid = pEntry != nullptr && IsVpnDeviceType(pEntry);
    if (bValid) {
      CopyText(pObject->m_szPhonebook, pRecord->szPhonebookPath);
      CopyText(pObject->m_szEntryName, pszName);
      pObject->SetRasEntry(CopyRasEntry(pEntry));
      pObject->SetDialParams(CopyDialParams(&params));
    } else {
      m_pApp->WriteLog(2, "\"%s\" : Is not a valid VPN connection;", pszName);
    }
    free(pEntry);
  }
  m_pApp->WriteLog(3, "RV_VPNObject::ValidateRasEntryName() Exit");
  return bValid;
}
