// The service program's one application object. Tarvolt has two roles: started with
// arguments it installs, removes or configures the service Halvorn and ends; started by the
// service control manager it is that service. Every thread reaches the shared state here.
#pragma once

#include <windows.h>

#include <atomic>

#include "cwinapp.h"

class RV_ConnectionObject;
class RV_EntryScanner;
class RV_LogObject;
class RV_ServiceManager;

// The name of the service, and the registry key that holds it and its settings.
extern const char kServiceName[];
extern const char kSettingsKey[];
// The rule of 52 dashes that frames the log's notable events.
extern const char kLogRule[];

class RV_TarvoltApp : public CWinApp {
 public:
  enum RegistryAccess { REG_ACCESS_READ, REG_ACCESS_WRITE };

  RV_TarvoltApp();
  ~RV_TarvoltApp() override;

  BOOL InitInstance() override;

  // The command-line role: one pass over the process's arguments.
  void HandleCommandLine();

  // The log entry point: level 1 (most important) to 3 (most detailed), a printf format and
  // its arguments. Any thread may call it; it never waits for the file.
  void WriteLog(int nLevel, CString strFormat, ...);
  // Writes the closing lines and closes the logger once every queued line is in the file.
  void CloseLogger();

  RV_ServiceManager* GetServiceManager();

  // The service role. ServiceMain and ServiceCtrlHandler are registered with the service
  // dispatcher; the thread bodies take the application object as their argument.
  static void WINAPI ServiceMain(DWORD dwArgc, LPSTR* lpszArgv);
  static void WINAPI ServiceCtrlHandler(DWORD dwControl);
  static unsigned __stdcall ServiceWorkerThread(void* pParam);
  static unsigned __stdcall NetworkThreadA(void* pParam);
  static unsigned __stdcall NetworkThreadB(void* pParam);
  static unsigned __stdcall StopPendingThread(void* pParam);
  bool RegisterServiceHandler();
  BOOL ReportServiceStatus(DWORD dwState, DWORD dwCheckPoint, DWORD dwWaitHint, DWORD dwExitCode);
  // Logs whether Routing and Remote Access runs beside the service; true when it does.
  bool CheckRemoteAccessService();
  // Quit flag, wake-ups, joins, deletes, and the logger last. A second call while one runs
  // only logs that.
  void ShutdownServices();

  // Not called by the service: the running Windows as a class number (2 for 5.1 ... 7 for a
  // 6.0 workstation, 0 for anything else), and the life of a connection starting now.
  int GetWindowsVersionInfo();
  unsigned GetMaxConnectionDuration();

  RV_EntryScanner* GetScanner() const { return m_pScanner; }
  HANDLE GetNetworkThreadA() const { return m_hNetworkThreadA; }
  HANDLE GetNetworkThreadB() const { return m_hNetworkThreadB; }

  // The connection objects of networks A and B, each created on its first use.
  RV_ConnectionObject* GetNetworkA();
  RV_ConnectionObject* GetNetworkB();

  // Settings of the service, under its own registry key.
  int AccessGenerateLog(RegistryAccess mode, int nValue);
  void SetMaxConnectionHours(int nHours);
  int GetMaxConnectionHours();
  void AddGatewayToRegistry(int nGateway, const char* pszAddress);
  bool PreCheckRegistry(const char* pszAddress);

  BYTE m_bQuit;
  BYTE m_bRestart;
  // The phone-book scanner, created in the service role only; owned.
  RV_EntryScanner* m_pScanner;

 private:
  // Creates and starts the logger unless one runs, writing "Logger Initialized" as its first
  // line when asked; true when it runs. Called with m_logLock held.
  bool StartLogger(bool bFirstLine);
  // The command line's own start of the logger, without a first line.
  void OpenLogger();
  void ReplaceServiceManager(RV_ServiceManager* pManager);
  // The scanner first, which waits for a running scan, then the networks it fills.
  void DeleteNetworks();

  // Runs the network thread unless one still runs from an earlier pass; true when one runs.
  bool EnsureNetworkThread(HANDLE& hThread, unsigned(__stdcall* pThreadProc)(void*));
  // Whether a network thread of an earlier pass still runs its loop on the scanned entries.
  bool NetworkThreadLeft() const;
  // Before the networks go: no scan, network thread or worker may still reach them.
  void JoinThreadsThatReachTheNetworks();
  static void RunNetwork(RV_TarvoltApp* pApp, RV_ConnectionObject* (RV_TarvoltApp::*pGetNetwork)(),
                         HANDLE hDoneEvent);

  std::atomic<BYTE> m_bShutdownInProgress;
  SERVICE_STATUS m_ServiceStatus;
  SERVICE_STATUS_HANDLE m_hServiceStatus;
  // Thread handles stay open until the next pass replaces them, so that any thread can join them.
  HANDLE m_hWorkerThread;
  DWORD m_dwWorkerThreadId;
  DWORD m_dwCheckPoint;
  // Set once a scan thread runs: its done event is then certain to be signalled.
  BYTE m_bScanStarted;
  RV_ServiceManager* m_pServiceManager;
  RV_LogObject* m_pLogObject;
  BYTE m_bLoggerOpen;
  // Guards the logger's life: creation, use by WriteLog and deletion by CloseLogger, so that no
  // thread adds to a logger that another is deleting, and two threads never create two.
  CRITICAL_SECTION m_logLock;
  HANDLE m_hNetworkThreadA;
  HANDLE m_hNetworkThreadB;
  RV_ConnectionObject* m_pNetworkA;
  RV_ConnectionObject* m_pNetworkB;
  // Guards the first creation of a network, which the scan and the network threads may race to.
  CRITICAL_SECTION m_networkLock;
  // Manual reset: tells StopPendingThread that the stop has finished.
  HANDLE m_hStopEvent;
};
