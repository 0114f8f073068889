#include "test_connection.h"

#include <ras.h>
#include <raserror.h>
#include <string.h>

#include <vector>

#include "any_connection.h"
#include "auth_page.h"
#include "pardex_command.h"
#include "record_size.h"
#include "run_and_capture.h"

namespace {

// The record versions the test was written for; every later version of RAS takes them.
const DWORD kRasDialParamsSize = SIZEOF_THROUGH(RASDIALPARAMSW, dwCallbackId);
const DWORD kRasPppIpSize = SIZEOF_THROUGH(RASPPPIPW, dwServerOptions);
const DWORD kRasConnStatusSize = SIZEOF_THROUGH(RASCONNSTATUSW, szPhoneNumber);
WIN32_RECORD_SIZE(kRasDialParamsSize, 2104);
WIN32_RECORD_SIZE(kRasPppIpSize, 80);
WIN32_RECORD_SIZE(kRasConnStatusSize, 564);

// How often the end of a hung-up connection is looked for.
const int kMaxStatusCalls = 15;
// Pardex's entry has to settle before the old connections go, and they before the dial.
const DWORD kAfterPardexMs = 700;
const DWORD kAfterHangUpMs = 500;

void WaitUntilGone(HRASCONN hRasConn) {
  RASCONNSTATUSW status;
  for (int nCalls = 0; nCalls < kMaxStatusCalls; ++nCalls) {
    memset(&status, 0, sizeof status);
    status.dwSize = kRasConnStatusSize;
    if (::RasGetConnectStatusW(hRasConn, &status) != ERROR_SUCCESS) return;
    ::Sleep(0);
  }
}

}  // namespace

const TCHAR kTestEntryName[] = L"Kelvra";

UINT TestConnectionThread(LPVOID pParam) {
  TestSettings* pSettings = static_cast<TestSettings*>(pParam);
  const HWND hPage = pSettings->pPage->GetSafeHwnd();
  PardexEntry entry;
  entry.strEntry = kTestEntryName;
  entry.strServer = pSettings->strServer;
  entry.strUser = pSettings->strUser;
  entry.strPassword = pSettings->strPassword;
  entry.strPreSharedKey = pSettings->strPreSharedKey;
  entry.bRemoteGateway = !pSettings->bNoRemoteGateway;
  const CString strCommandLine = PardexCommandLine(entry, false);

  for (UINT nAttempt = 0; nAttempt < pSettings->nAttempts; ++nAttempt) {
    ::PostMessageW(hPage, WM_TEST_ATTEMPT, nAttempt, 0);
    CString strOutput;
    const bool bRan = RunAndCapture(strCommandLine, strOutput);
    ::PostMessageW(hPage, WM_TEST_PROGRESS, 0, bRan ? 1 : 0);
    if (!bRan) continue;
    ::Sleep(kAfterPardexMs);
    ::PostMessageW(hPage, WM_TEST_PROGRESS, 1, static_cast<LPARAM>(HangUpAllConnections()));
    ::Sleep(kAfterHangUpMs);
    CString strAddress;
    DialTestEntry(pSettings->strServer, pSettings->strUser, pSettings->strPassword, strAddress);
    ::RasDeleteEntryW(nullptr, kTestEntryName);
    ::PostMessageW(hPage, WM_TEST_RESULT, reinterpret_cast<WPARAM>(new CString(strAddress)), 0);
    if (!strAddress.IsEmpty()) break;
  }
  delete pSettings;
  return 0;
}

DWORD HangUpAllConnections() {
  std::vector<BYTE> buffer;
  DWORD dwCount = 0;
  DWORD dwResult = ListRasConnections(buffer, dwCount);
  if (dwResult != ERROR_SUCCESS) return dwResult;
  // The records stand kRasConnRecordSize bytes apart, which may be less than the SDK's structure.
  for (DWORD i = 0; i < dwCount; ++i) {
    const RASCONNW* pConn = reinterpret_cast<const RASCONNW*>(buffer.data() + size_t(i) * kRasConnRecordSize);
    dwResult = ::RasHangUpW(pConn->hrasconn);
    if (dwResult != ERROR_SUCCESS) break;
  }
  return dwResult;
}

bool DialTestEntry(const CString& strServer, const CString& strUser, const CString& strPassword,
                   CString& strAddress) {
  RASDIALPARAMSW params;
  memset(&params, 0, sizeof params);
  params.dwSize = kRasDialParamsSize;
  ::lstrcpynW(params.szEntryName, kTestEntryName, RAS_MaxEntryName + 1);
  BOOL bPasswordSaved = FALSE;
  if (::RasGetEntryDialParamsW(nullptr, &params, &bPasswordSaved) != ERROR_SUCCESS) return false;
  // The typed credentials and the server, not what the entry holds.
  ::lstrcpynW(params.szPhoneNumber, strServer, RAS_MaxPhoneNumber + 1);
  ::lstrcpynW(params.szUserName, strUser, UNLEN + 1);
  ::lstrcpynW(params.szPassword, strPassword, PWLEN + 1);
  ::lstrcpynW(params.szEntryName, kTestEntryName, RAS_MaxEntryName + 1);

  HRASCONN hRasConn = nullptr;
  bool bConnected = false;
  if (::RasDialW(nullptr, nullptr, &params, 0, nullptr, &hRasConn) == ERROR_SUCCESS) {
    RASPPPIPW projection;
    memset(&projection, 0, sizeof projection);
    projection.dwSize = kRasPppIpSize;
    DWORD cb = kRasPppIpSize;
    if (::RasGetProjectionInfoW(hRasConn, RASP_PppIp, &projection, &cb) == ERROR_SUCCESS) {
      strAddress = projection.szIpAddress;
      bConnected = true;
    }
  }
  memset(&params, 0, sizeof params);  // no password left in memory
  // A failed dial has a handle too, which must be hung up.
  if (hRasConn != nullptr) {
    ::RasHangUpW(hRasConn);
    WaitUntilGone(hRasConn);
  }
  return bConnected;
}
