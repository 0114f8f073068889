// The names of the service's entries: "AUTO-A" or "AUTO-B" in any case and one digit, at the
// end of the name. The letter names the network, the digit orders the entry within it.
#pragma once

#include <windows.h>

class RV_TarvoltApp;
class RV_VPNObject;

const int kNetworkA = 1;
const int kNetworkB = 2;

enum EntryNameKind {
  ENTRY_NAME_NO_DIGIT,    // the name does not end in a digit
  ENTRY_NAME_NO_NETWORK,  // a digit, but neither network's six characters before it
  ENTRY_NAME_NETWORK_A,
  ENTRY_NAME_NETWORK_B
};

// The kind of the name; *pnIndex receives the final digit's value when there is one.
EntryNameKind ClassifyEntryName(const char* pszName, BYTE* pnIndex);

// Applies the rule to a new VPN object: its index and network type, with the lines the
// service logs for the name. True when the name belongs to network A or B.
bool ApplyEntryName(RV_TarvoltApp* pApp, const char* pszName, RV_VPNObject* pObject);
