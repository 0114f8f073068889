// What a program's command line asks for. CWinApp::ParseCommandLine hands it each argument in
// turn; the default ParseParam understands the classic flags (/p, /pt, /dde, /Embedding,
// /Automation, /Register, /Unregister and their /Regserver, /Unregserver spellings) and file
// names; a program overrides ParseParam for flags of its own.
#pragma once

#include "cobject.h"
#include "cstringt.h"

class CCommandLineInfo : public CObject {
 public:
  CCommandLineInfo();
  ~CCommandLineInfo() override;

  // pszParam without its leading '-' or '/' when bFlag; bLast for the last argument.
  virtual void ParseParam(CString::PCXSTR pszParam, BOOL bFlag, BOOL bLast);

  BOOL m_bShowSplash;
  BOOL m_bRunEmbedded;
  BOOL m_bRunAutomated;
  BOOL m_bRegisterPerUser;
  enum ShellCommand {
    FileNew,
    FileOpen,
    FilePrint,
    FilePrintTo,
    FileDDE,
    AppRegister,
    AppUnregister,
    RestartByRestartManager,
    FileNothing = -1
  } m_nShellCommand;
  // The file of the shell command, and the printer of /pt.
  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;
  CString m_strRestartIdentifier;

 protected:
  void ParseParamFlag(const char* pszParam);
  void ParseParamNotFlag(CString::PCXSTR pszParam);
  // After the last argument: a file name alone means opening it; no splash screen for a server.
  void ParseLast(BOOL bLast);
};
