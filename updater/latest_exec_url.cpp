#include "latest_exec_url.h"

void SplitLatestExecUrl(const CString& strUrl, CString& strHost, CString& strFileName) {
  int nSlash = strUrl.ReverseFind('/');
  strFileName = strUrl.Mid(nSlash + 1);
  strHost = strUrl.Left(nSlash < 0 ? 0 : nSlash);
  strHost.Replace("http://", "");
}

bool IsPlainFileName(const CString& strFileName) {
  return !strFileName.IsEmpty() && strFileName != "." && strFileName != ".." && strFileName.FindOneOf("\\/:*?") < 0;
}
