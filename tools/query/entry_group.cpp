#include "query_ras_entries.h"

namespace {

const int kGroupRuleLength = 7;  // the six characters of the group text and the digit

bool InGroup(const CStringW& strName, LPCWSTR pszGroupText) {
  int nLength = strName.GetLength();
  wchar_t chLast = nLength > 0 ? strName[nLength - 1] : 0;
  int iFound = strName.Find(pszGroupText);
  // A name of six characters must not pass for one whose text was found (-1) one before it.
  return iFound >= 0 && iFound == nLength - kGroupRuleLength && chLast >= L'0' && chLast <= L'9';
}

}  // namespace

wchar_t EntryGroupOf(const CStringW& strName) {
  if (strName.IsEmpty()) return L'X';
  if (InGroup(strName, L"AUTO-A")) return L'A';
  if (InGroup(strName, L"AUTO-B")) return L'B';
  return L'X';
}
