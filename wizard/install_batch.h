// "installservice.bat" in the current directory (the program folder): the file that recreates
// the AUTO-A entries with their credentials, installs the dialer service with its settings and
// starts it. The updater reads its Tarvolt line back.
#pragma once

#include <windows.h>

#include "cstringt.h"

extern const TCHAR kInstallBatchName[];

// The settings the file is made from; made on the heap by the final page, owned and freed by
// InstallThread.
struct InstallSettings {
  static const int MaxServers = 3;
  static const int MaxRouters = 3;

  CString strServers[MaxServers];  // trimmed
  CString strUser;
  CString strPassword;
  CString strPreSharedKey;         // may be empty
  CString strRouters[MaxRouters];  // "0.0.0.0" for none
  CString strRequiredIp;           // empty when any address will do
  HWND hPage = nullptr;            // receives InstallThread's reports
  bool bNoRemoteGateway = false;
};

// The whole file, or (bShort) only the Tarvolt and "net start" lines, which hold no secret.
// Trims servers 2 and 3 and the required IP in the record. False when the file could not be
// opened, or when a character of it has no single byte (above 255): then nothing is written.
bool WriteInstallBatch(InstallSettings& settings, bool bShort);
