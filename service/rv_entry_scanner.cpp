// The scan thread and the enumeration of the phone-book entries.
#include "rv_entry_scanner.h"

#include <process.h>
#include <stdlib.h>
#include <string.h>

#include "auto_entry_name.h"
#include "ras_records.h"
#include "rv_connection_object.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

// A zeroed buffer for the enumeration of at least cbBuffer bytes and one record; its size in
// *pcbAllocated.
BYTE* NewEntryBuffer(DWORD cbBuffer, DWORD* pcbAllocated) {
  *pcbAllocated = cbBuffer < kRasEntryNameSize ? kRasEntryNameSize : cbBuffer;
  BYTE* pBuffer = static_cast<BYTE*>(calloc(1, *pcbAllocated));
  if (pBuffer != nullptr) reinterpret_cast<RASENTRYNAMEA*>(pBuffer)->dwSize = kRasEntryNameSize;
  return pBuffer;
}

}  // namespace

RV_EntryScanner::RV_EntryScanner(RV_TarvoltApp* pApp)
    : m_pApp(pApp), m_hScanThread(nullptr), m_hDoneEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_bScanDone(0) {}

RV_EntryScanner::~RV_EntryScanner() {
  if (m_hScanThread != nullptr) {
    if (!m_bScanDone) WaitForSingleObject(m_hScanThread, INFINITE);
    CloseHandle(m_hScanThread);
  }
  if (m_hDoneEvent != nullptr) CloseHandle(m_hDoneEvent);
}

bool RV_EntryScanner::StartScan() {
  // Two scans never fill the networks at the same time.
  if (m_hScanThread != nullptr) {
    WaitForSingleObject(m_hScanThread, INFINITE);
    CloseHandle(m_hScanThread);
    m_hScanThread = nullptr;
  }
  ResetEvent(m_hDoneEvent);
  m_bScanDone = 0;
  m_hScanThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ScanThread, this, 0, nullptr));
  return m_hScanThread != nullptr;
}

unsigned __stdcall RV_EntryScanner::ScanThread(void* pParam) {
  RV_EntryScanner* pScanner = static_cast<RV_EntryScanner*>(pParam);
  RV_TarvoltApp* pApp = pScanner->m_pApp;
  pApp->GetNetworkA()->RemoveAllVPNObjects();
  pApp->GetNetworkB()->RemoveAllVPNObjects();
  if (pScanner->ScanPhoneBook()) {
    pApp->GetNetworkA()->SortNetwork();
    pApp->GetNetworkB()->SortNetwork();
  }
  SetEvent(pScanner->m_hDoneEvent);
  pScanner->m_bScanDone = 1;
  return 0;
}

bool RV_EntryScanner::ScanPhoneBook() {
  DWORD cbBuffer = kRasEntryNameSize;
  DWORD nEntries = 0;
  DWORD cbAllocated = 0;
  BYTE* pBuffer = NewEntryBuffer(cbBuffer, &cbAllocated);
  if (pBuffer == nullptr) {
    m_pApp->WriteLog(2, "Error! Not enough memory!");
    return false;
  }
  DWORD dwResult =
      RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<RASENTRYNAMEA*>(pBuffer), &cbBuffer, &nEntries);
  if (dwResult == ERROR_BUFFER_TOO_SMALL) {
    free(pBuffer);
    pBuffer = NewEntryBuffer(cbBuffer, &cbAllocated);
    if (pBuffer == nullptr) {
      m_pApp->WriteLog(2, "Error! Not enough memory!");
      return false;
    }
    dwResult = RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<RASENTRYNAMEA*>(pBuffer), &cbBuffer, &nEntries);
  }
  if (dwResult != 0) {
    m_pApp->WriteLog(2, "Unexpected error at RasEnumEntries! Error code: %lu", dwResult);
    free(pBuffer);
    return false;
  }
  if (nEntries == 0) {
    m_pApp->WriteLog(2, "No RAS entries found. : ");
    free(pBuffer);
    return true;
  }
  m_pApp->WriteLog(2, "Verifying and sorting VPN connections");
  // Only the records that lie inside the buffer are read.
  DWORD nRecords = cbAllocated / kRasEntryNameSize;
  if (nEntries > nRecords) nEntries = nRecords;
  for (DWORD i = 0; i < nEntries; ++i) {
    const RASENTRYNAMEA* pEntry = reinterpret_cast<const RASENTRYNAMEA*>(pBuffer + i * kRasEntryNameSize);
    if (pEntry->szEntryName[0] == 0) continue;
    RV_VPNObject* pObject = new RV_VPNObject(m_pApp);
    if (!ValidateRasEntryName(pEntry, pObject)) {
      delete pObject;
    } else if (pObject->GetNetworkType() == kNetworkA) {
      m_pApp->GetNetworkA()->AppendVPNObject(pObject);
    } else {
      m_pApp->GetNetworkB()->AppendVPNObject(pObject);
    }
  }
  free(pBuffer);
  return true;
}
