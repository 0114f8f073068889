#include "install_thread.h"

#include <shellapi.h>

#include "file_exists.h"
#include "install_batch.h"
#include "shell_delete_file.h"

namespace {

// The service writes its log afresh, so that the error page shows only this installation.
const TCHAR kServiceLogName[] = L"tarvolt.txt";
// Gives the batch file's first command time to start before the page begins to wait.
const DWORD kAfterStartMs = 500;

}  // namespace

UINT InstallThread(LPVOID pParam) {
  InstallSettings* pSettings = static_cast<InstallSettings*>(pParam);
  const bool bWritten = WriteInstallBatch(*pSettings, false);
  ::PostMessageW(pSettings->hPage, WM_INSTALL_PROGRESS, InstallBatchWritten, bWritten ? 1 : 0);
  if (bWritten) {
    if (FileExists(kServiceLogName)) ShellDeleteFile(kServiceLogName);
    HINSTANCE hResult = ::ShellExecuteW(nullptr, L"open", kInstallBatchName, L"", L".", SW_HIDE);
    ::Sleep(kAfterStartMs);
    ::PostMessageW(pSettings->hPage, WM_INSTALL_PROGRESS, InstallBatchStarted, reinterpret_cast<LPARAM>(hResult));
  }
  delete pSettings;
  return 0;
}
