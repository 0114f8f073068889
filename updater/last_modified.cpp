#include "last_modified.h"

CString CutLastModifiedText(const CString& strRawHeaders) {
  CString strText = strRawHeaders;
  int nStart = strText.Find("Last-Modified");
  if (nStart > 0) strText.Delete(0, nStart);
  // Find's -1 leaves the first 3 characters when no " GMT" follows.
  strText = strText.Left(strText.Find(" GMT") + 4);
  strText.Replace("Last-Modified: ", "");
  return strText;
}

CString LastModifiedDateText(const CString& strLastModified) {
  CString strDate = strLastModified;
  // Find's -1 deletes the first character only when there is no ",".
  strDate.Delete(0, strDate.Find(',') + 2);
  strDate.Replace(" GMT", "");
  return strDate;
}
