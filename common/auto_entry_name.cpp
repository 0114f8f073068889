#include "auto_entry_name.h"

#include <string.h>

namespace {

const size_t kRuleLength = 7;  // six characters and the digit

bool EqualsNoCase(const char* psz, const char* pszUpper, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    char c = psz[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != pszUpper[i]) return false;
  }
  return true;
}

}  // namespace

EntryNameKind ClassifyEntryName(const char* pszName, BYTE* pnIndex) {
  size_t length = strlen(pszName);
  if (length == 0) return ENTRY_NAME_NO_DIGIT;
  char last = pszName[length - 1];
  if (last < '0' || last > '9') return ENTRY_NAME_NO_DIGIT;
  *pnIndex = static_cast<BYTE>(last - '0');
  // A shorter name has no six characters before its digit.
  if (length < kRuleLength) return ENTRY_NAME_NO_NETWORK;
  const char* pszNetwork = pszName + length - kRuleLength;
  if (EqualsNoCase(pszNetwork, "AUTO-A", 6)) return ENTRY_NAME_NETWORK_A;
  if (EqualsNoCase(pszNetwork, "AUTO-B", 6)) return ENTRY_NAME_NETWORK_B;
  return ENTRY_NAME_NO_NETWORK;
}
