#include "shell_delete_file.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

bool ShellDeleteFile(const CString& strFileName) {
  // The shell takes a list of names, ended by an empty one.
  std::vector<WCHAR> from(static_cast<size_t>(strFileName.GetLength()) + 2, 0);
  for (int i = 0; i < strFileName.GetLength(); ++i) from[static_cast<size_t>(i)] = strFileName[i];

  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = nullptr;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.data();
  operation.pTo = nullptr;
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
  operation.hNameMappings = nullptr;
  operation.lpszProgressTitle = L"";
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}
