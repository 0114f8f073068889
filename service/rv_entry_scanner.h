// The phone-book scan of the service: each time the service starts its work it empties both
// networks, makes a VPN object of every entry that follows the name rule and is a VPN entry,
// hands it to its network, orders the networks and signals its done event. It also matches
// the RAS connections that are already up to the VPN objects of the same name.
#pragma once

#include "rv_net_api.h"

class RV_TarvoltApp;
class RV_VPNObject;

class RV_EntryScanner {
 public:
  explicit RV_EntryScanner(RV_TarvoltApp* pApp);
  // Waits for a scan that still runs.
  ~RV_EntryScanner();

  // False when the scan thread could not be started.
  bool StartScan();
  static unsigned __stdcall ScanThread(void* pParam);
  // False when the entries could not be enumerated.
  bool ScanPhoneBook();
  // Fills a new object from one enumerated entry; true when the entry is one of the service's.
  bool ValidateRasEntryName(const RASENTRYNAMEA* pEntry, RV_VPNObject* pObject);
  void CheckActiveConnections();
  HANDLE GetDoneEvent() const { return m_hDoneEvent; }

 private:
  // Offers one active connection to the objects of a network; true when one took it over.
  bool OfferConnection(const RASCONNA* pConnection, bool bNetworkA);

  RV_TarvoltApp* m_pApp;
  HANDLE m_hScanThread;
  HANDLE m_hDoneEvent;
  volatile BYTE m_bScanDone;

  RV_EntryScanner(const RV_EntryScanner&) = delete;
  RV_EntryScanner& operator=(const RV_EntryScanner&) = delete;
};
