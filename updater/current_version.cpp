#include "current_version.h"

#include <windows.h>

#include "archive_name.h"
#include "cexception.h"
#include "cfilefind.h"
#include "ctime.h"

namespace {

// The last-write time of the found file in whole seconds since 1970.
LONGLONG WriteSecond(const CFileFind& finder) {
  FILETIME written = {};
  finder.GetLastWriteTime(&written);
  ULARGE_INTEGER ticks;
  ticks.LowPart = written.dwLowDateTime;
  ticks.HighPart = written.dwHighDateTime;
  const LONGLONG kTicksPerSecond = 10000000;
  const LONGLONG kTicksTo1970 = 116444736000000000LL;
  return (static_cast<LONGLONG>(ticks.QuadPart) - kTicksTo1970) / kTicksPerSecond;
}

// The local date, or empty for a moment that has none.
CString LocalDate(LONGLONG tSecond) {
  try {
    return CTime(tSecond).Format("%Y-%m-%d");
  } catch (CException* e) {
    e->Delete();
    return CString();
  }
}

}  // namespace

CString CurrentVersionLine() {
  CString strLine = "Current version date: Unknown";
  try {
    CFileFind program;
    if (!program.FindFile("tarvolt.exe")) return strLine;
    program.FindNextFile();
    CString strProgramName = program.GetFileName();
    LONGLONG tWritten = WriteSecond(program);
    ULONGLONG nSize = program.GetLength();
    strLine = "Current version date: Unknown {" + LocalDate(tWritten) + "}";

    CFileFind finder;
    BOOL bMore = finder.FindFile("*.exe");
    while (bMore) {
      // The last file found is examined too: FindNextFile makes it current as it returns FALSE.
      bMore = finder.FindNextFile();
      CString strName = finder.GetFileName();
      if (strName.Compare(strProgramName) != 0 && WriteSecond(finder) == tWritten && finder.GetLength() == nSize)
        strLine = "Current version date: " + VersionTextOfFileName(strName);
    }
  } catch (CException* e) {
    e->Delete();
    strLine = "Current version date: Unknown";
  }
  return strLine;
}
