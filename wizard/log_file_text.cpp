#include "log_file_text.h"

#include "cfileexception.h"
#include "cstdiofile.h"

bool ReadLogFileText(const CString& strFileName, CString& strText) {
  CStdioFile file;
  CFileException error;
  if (!file.Open(strFileName, CFile::modeRead | CFile::shareDenyNone | CFile::typeText, &error)) return false;
  CString strLines;
  try {
    CString strLine;
    while (file.ReadString(strLine)) strLines += strLine + L"\n";
    file.Close();
  } catch (CFileException* e) {
    e->Delete();
    file.Abort();
    return false;
  }
  strText = strLines.GetLength() <= 1 ? CString(L"No Information found in log file.") : strLines;
  return true;
}
