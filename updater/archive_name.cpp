#include "archive_name.h"

#include <stdlib.h>

int ArchiveDateNumber(const CString& strFileTitle) {
  CString strUpper = strFileTitle;
  strUpper.MakeUpper();
  // The service program's own title is exactly "TARVOLT": an archive's is longer.
  if (strUpper.Find("TARVOLT") < 0 || strUpper.GetLength() <= 7) return 0;
  strUpper.Replace("TARVOLT", "");
  int nDate = atoi(strUpper.Left(8));
  return nDate > 0 ? nDate : 0;
}

CString VersionTextOfFileName(const CString& strFileName) {
  CString strVersion = strFileName;
  strVersion.MakeUpper();
  strVersion.Replace("TARVOLT", "");
  strVersion.Replace(".EXE", "");
  return strVersion;
}
