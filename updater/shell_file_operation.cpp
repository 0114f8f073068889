#include "shell_file_operation.h"

#include <string.h>

#include "cexception.h"
#include "cfilefind.h"

namespace {

// The shell takes lists of paths ending in a double terminator: one path each, in a buffer of
// this size.
const int kPathBufferSize = 150;

// False when the path and its two terminators do not fit.
bool FillPathList(const CString& strPath, char (&buffer)[kPathBufferSize]) {
  int nLength = strPath.GetLength();
  if (nLength > kPathBufferSize - 2) return false;
  memset(buffer, 0, sizeof buffer);
  memcpy(buffer, strPath.GetString(), static_cast<size_t>(nLength));
  return true;
}

}  // namespace

bool ShellFileOperation(UINT operation, CString progressTitle, CString strFrom, CString strTo) {
  try {
    CFileFind finder;
    if (!finder.FindFile(strFrom)) return false;
    char szFrom[kPathBufferSize];
    char szTo[kPathBufferSize];
    // A longer path is refused rather than cut: a cut one would name another file.
    if (!FillPathList(strFrom, szFrom) || !FillPathList(strTo, szTo)) return false;

    SHFILEOPSTRUCTA operationInfo = {};
    operationInfo.hwnd = nullptr;
    operationInfo.wFunc = operation;
    operationInfo.pFrom = szFrom;
    operationInfo.pTo = szTo;
    operationInfo.fFlags = FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS;
    operationInfo.hNameMappings = nullptr;
    operationInfo.lpszProgressTitle = progressTitle.GetString();
    return SHFileOperationA(&operationInfo) == 0 && !operationInfo.fAnyOperationsAborted;
  } catch (CException* e) {
    e->Delete();
    return false;
  }
}
