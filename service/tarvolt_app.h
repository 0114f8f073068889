// The service program's one application object. Tarvolt has two roles: started with
// arguments it installs, removes or configures the service Halvorn and ends; started by the
// service control manager it is that service. Every thread reaches the shared state here.
#pragma once

#include <windows.h>

#include "cwinapp.h"

class RV_ConnectionObject;
class RV_EntryScanner;
class RV_LogObject;
class RV_ServiceManager;

// The name of the service, and the registry key that holds it and its settings.
extern const char kServiceName[];
extern const char kSettingsKey[];

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

  RV_ServiceManager* m_pServiceManager;
  RV_LogObject* m_pLogObject;
  BYTE m_bLoggerOpen;
  // Guards the logger's life: creation, use by WriteLog and deletion by CloseLogger, so that no
  // thread adds to a logger that another is deleting, and two threads never create two.
  CRITICAL_SECTION m_logLock;
  RV_ConnectionObject* m_pNetworkA;
  RV_ConnectionObject* m_pNetworkB;
  // Guards the first creation of a network, which the scan and the network threads may race to.
  CRITICAL_SECTION m_networkLock;
};
