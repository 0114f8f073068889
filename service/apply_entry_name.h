// The service's use of the entry-name rule: a new VPN object takes its network and index from
// its name.
#pragma once

#include "auto_entry_name.h"

class RV_TarvoltApp;
class RV_VPNObject;

// Applies the rule to a new VPN object: its index and network type, with the lines the
// service logs for the name. True when the name belongs to network A or B.
bool ApplyEntryName(RV_TarvoltApp* pApp, const char* pszName, RV_VPNObject* pObject);
