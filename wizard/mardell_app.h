// Mardell's application object: the start-up sequence of the wizard, the decoding of encrypted
// command-line values, the check for the companion programs, and ShowMessage, through which
// every part of the wizard reports.
#pragma once

#include <windows.h>

#include "cstdiofile.h"
#include "cstringt.h"
#include "cwinapp.h"
#include "wizard_command_line_info.h"

class CMardellApp : public CWinApp {
 public:
  // Makes the program folder current and opens "unattended.log" there.
  CMardellApp();
  // Restores the directory found at start and closes the log, at the very end of the process.
  ~CMardellApp() override;
  // Runs the whole wizard; always FALSE, so the program ends afterwards.
  BOOL InitInstance() override;
  // Releases the mutex that marks the running wizard.
  int ExitInstance() override;

  // The password for the encrypted values: none needed, "-d", or asked for in a dialog; false
  // when the dialog was cancelled.
  bool GetDecryptionPassword(CString& strPassword);
  // Fills m_strPassword and m_strPreSharedKey; false when an encrypted value did not decode.
  bool DecryptParameters(const CString& strDecryptionPassword);
  // The names of the missing program files, each followed by a blank; true when none is missing.
  bool CheckDependencies(CString& strMissing);
  // To the parent console and the log when the command line set a mode and there is a standard
  // output; otherwise in a message box. The caption may be null.
  void ShowMessage(LPCTSTR lpszText, LPCTSTR lpszCaption);

  CWizardCommandLineInfo m_cmdInfo;
  CStdioFile m_logFile;
  CString m_strSavedDirectory;
  CString m_strPassword;
  CString m_strPreSharedKey;

 private:
  HANDLE m_hInstanceMutex;  // held for the life of the process: it marks the running wizard
};

// The application object, for the pages.
CMardellApp* GetMardellApp();
