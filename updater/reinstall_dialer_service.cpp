#include "reinstall_dialer_service.h"

#include <stdlib.h>

#include "cfilefind.h"
#include "cstdiofile.h"

CString ReadInstallArguments() {
  CString strArguments;
  CFileFind finder;
  if (!finder.FindFile("installservice.bat")) return strArguments;
  CStdioFile batchFile("installservice.bat", CFile::modeRead | CFile::typeText);
  CString strLine;
  while (batchFile.ReadString(strLine)) {
    CString strUpper = strLine;
    strUpper.MakeUpper();
    if (strUpper.Find("TARVOLT") < 0) continue;
    // Find's -1 (no blank) deletes nothing.
    strLine.Delete(0, strLine.Find(' '));
    strLine.Trim();
    strArguments = strLine;
  }
  batchFile.Close();
  return strArguments;
}

int ReinstallDialerService() {
  CString strArguments = ReadInstallArguments();
  if (!strArguments.IsEmpty() && strArguments != "ERROR") {
    system("tarvolt -d");
    system("tarvolt.exe " + strArguments);
  }
  return 0;
}
