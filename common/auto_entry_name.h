// The names of the dialer service's entries: "AUTO-A" or "AUTO-B" in any case and one digit, at
// the end of the name. The letter names the network, the digit orders the entry within it. The
// service and sornet go by the same rule.
#pragma once

#include <windows.h>

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
