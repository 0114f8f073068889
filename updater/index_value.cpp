#include "index_value.h"

int GetIndexValue(LPCSTR pszKey, const CString& strText, CString& strValue) {
  int nKey = pszKey != nullptr ? strText.Find(pszKey) : -1;
  if (nKey >= 0) {
    // No "=" makes the start 0: the value is then the text's first line.
    int nStart = strText.Find('=', nKey) + 1;
    if (nStart < strText.GetLength()) {
      int nEnd = strText.Find("\r\n", nStart);
      if (nEnd < 0) nEnd = strText.GetLength();
      strValue = strText.Mid(nStart, nEnd - nStart);
      return strValue.GetLength();
    }
  }
  strValue = "Key Not Found";
  return -1;
}
