#include "ctimespan.h"

#include <stdio.h>

namespace {

// Decimal digits of a count of days, which may exceed a long.
void FormatDays(LONGLONG nDays, char (&szOut)[32]) {
  char szDigits[32];
  int n = 0;
  ULONGLONG value = nDays < 0 ? 0 - static_cast<ULONGLONG>(nDays) : static_cast<ULONGLONG>(nDays);
  do {
    szDigits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  int i = 0;
  if (nDays < 0) szOut[i++] = '-';
  while (n > 0) szOut[i++] = szDigits[--n];
  szOut[i] = 0;
}

}  // namespace

CString CTimeSpan::Format(LPCTSTR pszFormat) const {
  CStringA format(pszFormat);
  CStringA result;
  char szNumber[32];
  for (const char* p = format.GetString(); *p != 0; ++p) {
    if (*p != '%' || p[1] == 0) {
      result += *p;
      continue;
    }
    switch (*++p) {
      case 'D':
        FormatDays(GetDays(), szNumber);
        break;
      case 'H':
        snprintf(szNumber, sizeof(szNumber), "%02ld", static_cast<long>(GetHours()));
        break;
      case 'M':
        snprintf(szNumber, sizeof(szNumber), "%02ld", static_cast<long>(GetMinutes()));
        break;
      case 'S':
        snprintf(szNumber, sizeof(szNumber), "%02ld", static_cast<long>(GetSeconds()));
        break;
      default:
        szNumber[0] = *p;
        szNumber[1] = 0;
        break;
    }
    result += szNumber;
  }
  return CString(result);
}
