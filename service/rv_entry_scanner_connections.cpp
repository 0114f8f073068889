// The refresh of the connections that RAS reports up: each is handed to the VPN object of the
// same entry name, looked for in network A first.
#include <stdio.h>

#include "ras_records.h"
#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

const int kEnumAttempts = 5;

}  // namespace

void RV_EntryScanner::CheckActiveConnections() {
  HANDLE hHeap = GetProcessHeap();
  BYTE* pBuffer = nullptr;
  DWORD cbBuffer = kRasConnSize;
  DWORD cbAllocated = 0;
  DWORD nConnections = 0;
  DWORD dwResult = ERROR_BUFFER_TOO_SMALL;
  for (int attempt = 0; attempt < kEnumAttempts && dwResult == ERROR_BUFFER_TOO_SMALL; ++attempt) {
    if (pBuffer != nullptr) HeapFree(hHeap, 0, pBuffer);
    cbAllocated = cbBuffer < kRasConnSize ? kRasConnSize : cbBuffer;
    pBuffer = static_cast<BYTE*>(HeapAlloc(hHeap, HEAP_ZERO_MEMORY, cbAllocated));
    if (pBuffer == nullptr) {
      dwResult = ERROR_NOT_ENOUGH_MEMORY;
      break;
    }
    reinterpret_cast<RASCONNA*>(pBuffer)->dwSize = kRasConnSize;
    m_pApp->WriteLog(2, "RAS-API call : RasEnumConnections()");
    dwResult = RasEnumConnectionsA(reinterpret_cast<RASCONNA*>(pBuffer), &cbBuffer, &nConnections);
  }
  if (dwResult != 0) {
    printf("RasEnumConnections failed: Error = %lu\n", static_cast<unsigned long>(dwResult));
  } else {
    // Only the records that lie inside the buffer are read.
    DWORD nRecords = cbAllocated / kRasConnSize;
    if (nConnections > nRecords) nConnections = nRecords;
    for (DWORD i = 0; i < nConnections; ++i) {
      const RASCONNA* pConnection = reinterpret_cast<const RASCONNA*>(pBuffer + i * kRasConnSize);
      if (!OfferConnection(pConnection, true)) OfferConnection(pConnection, false);
    }
  }
  if (pBuffer != nullptr) HeapFree(hHeap, 0, pBuffer);
}

bool RV_EntryScanner::OfferConnection(const RASCONNA* pConnection, bool bNetworkA) {
  RV_ConnectionObject* pNetwork = bNetworkA ? m_pApp->GetNetworkA() : m_pApp->GetNetworkB();
  for (INT_PTR i = 0; i < pNetwork->GetVPNObjectCount(); ++i)
    if (pNetwork->GetVPNObject(i)->MatchActiveConnection(pConnection)) return true;
  return false;
}
