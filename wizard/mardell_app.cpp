#include "mardell_app.h"

#include <commctrl.h>

#include "afxsock.h"

#include "set_working_directory.h"
#include "uninstall_dialer_service.h"
#include "wait_dlg_thread.h"
#include "wizard_prop_sheet.h"

CMardellApp::CMardellApp() : m_hInstanceMutex(nullptr) {
  // A failure leaves the program in the directory it was started in.
  SetWorkingDirectory(m_strSavedDirectory);
  // Shared for reading only: a second instance cannot empty the running one's log.
  m_logFile.Open(L"unattended.log",
                 CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite | CFile::typeText);
}

CMardellApp::~CMardellApp() {
  if (!m_strSavedDirectory.IsEmpty()) SetCurrentDirectoryW(m_strSavedDirectory);
  if (m_logFile.m_hFile != CFile::hFileNull) m_logFile.Close();
}

int CMardellApp::ExitInstance() {
  if (m_hInstanceMutex != nullptr) CloseHandle(m_hInstanceMutex);
  m_hInstanceMutex = nullptr;
  return CWinApp::ExitInstance();
}

CMardellApp* GetMardellApp() { return static_cast<CMardellApp*>(AfxGetApp()); }

BOOL CMardellApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = 0xFF;  // list view, tree view, bars, tab, up-down, progress, hot key, animation
  InitCommonControlsEx(&controls);
  CWinApp::InitInstance();

  m_hInstanceMutex = CreateMutexW(nullptr, TRUE, L"Mardell");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;  // another wizard runs: end silently
  AttachConsole(ATTACH_PARENT_PROCESS);

  ParseCommandLine(m_cmdInfo);
  if (m_cmdInfo.m_nMode & CWizardCommandLineInfo::ModeError) {
    ShowMessage(m_cmdInfo.m_strErrors, L"Invalid Command Line Args");
    return FALSE;
  }
  CString strDecryptionPassword;
  if (!GetDecryptionPassword(strDecryptionPassword)) {
    ShowMessage(L"A decryption password was not specified.", L"ERROR");
    return FALSE;
  }
  if (!DecryptParameters(strDecryptionPassword)) {
    ShowMessage(L"Unable to decrypt encrypted parameters.", L"ERROR");
    return FALSE;
  }
  if (!AfxSocketInit()) {
    ShowMessage(L"Windows sockets initialization failed.", L"Winsock Error");
    return FALSE;
  }
  CString strMissing;
  if (!CheckDependencies(strMissing)) {
    ShowMessage(L"Setup is missing some dependencies. \n" + strMissing + L"\nExiting setup wizard now",
                L"Dependency Error");
    return FALSE;
  }

  CWizardPropSheet sheet;
  CWinThread* pWaitThread = AfxBeginThread(RUNTIME_CLASS(CWaitDlgThread));
  UninstallDialerService();
  if (pWaitThread != nullptr) ::PostThreadMessageW(pWaitThread->m_nThreadID, WM_CLOSE_WAIT_DLG, 0, 0);
  sheet.DoModal();
  return FALSE;
}

void CMardellApp::ShowMessage(LPCTSTR lpszText, LPCTSTR lpszCaption) {
  HANDLE hOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  if (hOutput == nullptr || hOutput == INVALID_HANDLE_VALUE || m_cmdInfo.m_nMode == 0) {
    MessageBoxW(nullptr, lpszText, lpszCaption, MB_OK);
    return;
  }
  CString strLine;
  if (lpszCaption != nullptr)
    strLine.Format(L"%s:\n%s\n", lpszCaption, lpszText);
  else
    strLine = lpszText;
  DWORD dwWritten = 0;
  WriteConsoleW(hOutput, strLine.GetString(), static_cast<DWORD>(strLine.GetLength()), &dwWritten, nullptr);
  // Without the log (it could not be opened) the console still has the message.
  if (m_logFile.m_hFile != CFile::hFileNull) m_logFile.WriteString(strLine);
}
