#include "apply_entry_name.h"

#include "rv_vpn_object.h"
#include "tarvolt_app.h"

bool ApplyEntryName(RV_TarvoltApp* pApp, const char* pszName, RV_VPNObject* pObject) {
  BYTE nIndex = 0;
  EntryNameKind kind = ClassifyEntryName(pszName, &nIndex);
  if (kind == ENTRY_NAME_NO_DIGIT) return false;
  pObject->SetIndex(nIndex);
  switch (kind) {
    case ENTRY_NAME_NETWORK_A:
      pObject->SetNetworkType(kNetworkA);
      pApp->WriteLog(2, "\"%s\" : Belongs to network 'A';", pszName);
      return true;
    case ENTRY_NAME_NETWORK_B:
      pObject->SetNetworkType(kNetworkB);
      pApp->WriteLog(2, "\"%s\" : Belongs to network 'B';", pszName);
      return true;
    default:
      pApp->WriteLog(2, "\"%s\" : Is not a valid Tarvolt supported connection;", pszName);
      return false;
  }
}
