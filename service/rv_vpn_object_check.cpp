// The entry check on a VPN object whose phone book and name are already set: the name rule,
// the properties and the stored dial parameters.
#include <string.h>

#include "apply_entry_name.h"
#include "ras_records.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

bool RV_VPNObject::CheckRasEntry() {
  m_pApp->WriteLog(3, "RV_VPNObject::CheckRasEntry() Entry");
  bool bValid = ApplyEntryName(m_pApp, m_szEntryName, this);
  if (bValid) {
    m_pApp->WriteLog(2, "RAS-API call : RasGetEntryProperties()");
    DWORD cbEntry = 0;
    RasGetEntryPropertiesA(m_szPhonebook, m_szEntryName, nullptr, &cbEntry, nullptr, nullptr);
    RASENTRYA entry;
    memset(&entry, 0, sizeof(entry));
    entry.dwSize = kRasEntrySize;
    cbEntry = kRasEntrySize;
    if (RasGetEntryPropertiesA(m_szPhonebook, m_szEntryName, &entry, &cbEntry, nullptr, nullptr) != 0) {
      m_pApp->WriteLog(2, "Failed to get the properties of \"%s\" VPN connection;", m_szEntryName);
      bValid = false;
    } else {
      m_pApp->WriteLog(2, "RAS-API call : RasGetEntryDialParams()");
      RASDIALPARAMSA params;
      memset(&params, 0, sizeof(params));
      params.dwSize = kRasDialParamsSize;
      CopyText(params.szEntryName, m_szEntryName);
      BOOL bPassword = FALSE;
      bValid = RasGetEntryDialParamsA(m_szPhonebook, &params, &bPassword) == 0 && IsVpnDeviceType(&entry);
      if (bValid) {
        SetRasEntry(CopyRasEntry(&entry));
        SetDialParams(CopyDialParams(&params));
      } else {
        m_pApp->WriteLog(2, "\"%s\" : Is not a valid VPN connection;", m_szEntryName);
      }
    }
  }
  m_pApp->WriteLog(3, "RV_VPNObject::CheckRasEntry() Exit");
  return bValid;
}
