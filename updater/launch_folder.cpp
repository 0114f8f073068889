#include "launch_folder.h"

#include <windows.h>

CString LaunchFolderOf(const CString& strCommandLine) {
  CString strFolder = strCommandLine.Left(strCommandLine.ReverseFind('\\') + 1);
  strFolder.Remove('"');
  return strFolder;
}

CString LaunchFolder() { return LaunchFolderOf(GetCommandLineA()); }
