// The application. A program defines one global object of a class derived from CWinApp, built
// before the entry code runs; every thread reaches it through AfxGetApp(). It is the thread
// object of the program's first thread. The framework's entry point (AfxWinMain) initialises it
// from the process, calls InitInstance, and then Run, or ExitInstance when InitInstance returns
// FALSE; their result is the exit code.
#pragma once

#include "cobject.h"
#include "cstringt.h"
#include "cwinthread.h"

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(CString::PCXSTR lpszAppName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override;
  // The thread's message loop while there is a main window; without one there is no message to
  // wait for, and the application ends at once with ExitInstance's code.
  int Run() override;

  // The registry key under which the settings would be kept; the profile takes the app's name.
  void SetRegistryKey(CString::PCXSTR lpszRegistryKey);
  // An icon of the program's resources; null when it has none of that name. The icon is the
  // system's to share: it is never destroyed.
  HICON LoadIcon(CString::PCXSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;

  // Hands each argument after the program's name to rCmdInfo.ParseParam.
  void ParseCommandLine(class CCommandLineInfo& rCmdInfo);

  // These strings are the application's own heap copies (malloc), freed by its destructor;
  // a program may replace one by freeing it and storing its own malloc'ed copy.
  CString::PCXSTR m_pszAppName;      // the name given to the constructor, or the program's title
  CString::PCXSTR m_pszExeName;      // the program file's name without folder and extension
  CString::PCXSTR m_pszRegistryKey;  // null until SetRegistryKey
  CString::PCXSTR m_pszProfileName;
  CString::PXSTR m_lpCmdLine;        // the command line after the program's name
  HINSTANCE m_hInstance;
  int m_nCmdShow;
};

CWinApp* AfxGetApp();
// Lets dialogs host ActiveX controls in the classic framework. This framework's dialogs host
// none, so there is nothing to switch on; programs call it as they always have.
inline void AfxEnableControlContainer() {}
CString::PCXSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();

// Fills the application object from the process: instance, command line, names.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, CString::PXSTR lpCmdLine, int nCmdShow);
// The framework's program body; the entry point calls it.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, CString::PXSTR lpCmdLine, int nCmdShow);
