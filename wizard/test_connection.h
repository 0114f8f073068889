// The settings test of the authentication page: a temporary phone-book entry made by Pardex,
// dialled with the typed credentials on a machine without other RAS connections, then removed.
// It runs on a worker thread and reports to the page by posted messages only.
#pragma once

#include <windows.h>

#include "cstringt.h"

class CAuthPage;

// wParam: the index (from 0) of the attempt that starts.
#define WM_TEST_ATTEMPT (WM_APP + 1)
// wParam 0: lParam 1 when Pardex ran, else 0. wParam 1: lParam the result of HangUpAllConnections.
#define WM_TEST_PROGRESS (WM_APP + 2)
// wParam: a new CString* with the address the server assigned (empty when none); the receiver
// deletes it.
#define WM_TEST_RESULT (WM_APP + 3)

// The name of the entry that the test creates and deletes again.
extern const TCHAR kTestEntryName[];

// What one test needs; made on the heap by the page, owned and deleted by TestConnectionThread.
struct TestSettings {
  CString strServer;
  CString strUser;
  CString strPassword;
  CString strPreSharedKey;
  UINT nAttempts = 1;
  CAuthPage* pPage = nullptr;
  bool bNoRemoteGateway = false;
};

// Up to nAttempts rounds of Pardex, hang-up, dial and deletion of the entry; the first address
// ends it. Returns 0.
UINT TestConnectionThread(LPVOID pParam);
// Hangs up every RAS connection of the machine, without waiting for them to end; 0, or the
// error of the listing or of the first hang-up that failed.
DWORD HangUpAllConnections();
// Dials the test entry with these credentials and the server as its number; true, with the
// address the server assigned over PPP, when the dial connected. The connection is hung up
// before it returns, whatever happened.
bool DialTestEntry(const CString& strServer, const CString& strUser, const CString& strPassword,
                   CString& strAddress);
