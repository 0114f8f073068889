#include "set_working_directory.h"

#include <windows.h>

bool SetWorkingDirectory(CString& strSavedDirectory) {
  WCHAR szCurrent[MAX_PATH];
  WCHAR szProgram[MAX_PATH];
  DWORD nCurrent = GetCurrentDirectoryW(MAX_PATH, szCurrent);
  if (nCurrent == 0 || nCurrent >= MAX_PATH) return false;
  DWORD nProgram = GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
  if (nProgram == 0 || nProgram >= MAX_PATH) return false;

  CString strFolder(szProgram, static_cast<int>(nProgram));
  int nSlash = strFolder.ReverseFind(L'\\');
  if (nSlash >= 0) strFolder = strFolder.Left(nSlash);
  if (!SetCurrentDirectoryW(strFolder)) return false;
  strSavedDirectory = szCurrent;
  return true;
}
