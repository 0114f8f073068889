// One network (A or B) of the service: its VPN entries in index order, its gateway-server
// pairs, and the loop that keeps the network connected through the fastest free pair. The
// network owns its entries, and through them their pairs.
#pragma once

#include <windows.h>

#include "cstringt.h"
#include "ctypedptrarray.h"

class RV_GatewayInfo;
class RV_IpHelper;
class RV_TarvoltApp;
class RV_VPNObject;

class RV_ConnectionObject {
 public:
  explicit RV_ConnectionObject(RV_TarvoltApp* pApp);
  // Waits for the dialer thread, then destroys the entries and their pairs.
  ~RV_ConnectionObject();

  // Takes ownership of the entry; its index in the network.
  INT_PTR AppendVPNObject(RV_VPNObject* pObject);
  void RemoveVPNObject(INT_PTR nIndex);
  // Destroys every entry with its pairs, and empties the pair list.
  void RemoveAllVPNObjects();
  INT_PTR GetVPNObjectCount() const { return m_arrVPNObjects.GetSize(); }
  // Null for an index outside the network.
  RV_VPNObject* GetVPNObject(INT_PTR nIndex) const;
  // Orders the entries by their index digit; entries with the same digit keep their order.
  void SortNetwork();
  // The entry being dialled or held; null until one is chosen.
  RV_VPNObject* GetCurrentVPNObject() const { return m_pCurrentVPNObject; }

  void SetWakeEvent() { SetEvent(m_hWakeEvent); }
  void ResetWakeEvent() { ResetEvent(m_hWakeEvent); }
  HANDLE GetWakeEvent() const { return m_hWakeEvent; }
  void SetStartedEvent() { SetEvent(m_hStartedEvent); }
  void ResetStartedEvent() { ResetEvent(m_hStartedEvent); }
  void SetReadyEvent() { SetEvent(m_hReadyEvent); }
  void ResetReadyEvent() { ResetEvent(m_hReadyEvent); }

  // The network's loop: runs passes until the application's quit or restart flag ends it.
  void Init();
  static unsigned __stdcall DialerThread(void* pParam);
  // Starts the dialer thread and waits until it has accepted a connection or ended; true when
  // the current entry is connected.
  bool StartDialerThread();
  void HandleDialResult(RV_VPNObject* pObject);
  // True when two of at most three echoes are answered.
  bool IsVPNServerPingable(CString strAddress);
  bool CheckAssignedIp(CString strAssigned);
  // The required address of network type 1 (A) or 2 (B), dotted; empty when it cannot be read.
  CString QueryRequiredIP(int nNetworkType);
  // Seconds the connection that is starting may live.
  UINT GetMaxConnectionDuration();
  void LogConnectionTime(bool bEstablished);
  // The first entry that the phone book reports connected; found is set only then.
  RV_VPNObject* FindActiveConnection(bool& bFound);
  // The first IPv4 address of the host, network byte order; 0 when it does not resolve.
  DWORD ResolveName(CString strHost);

  // The network's pair array. Pairs belong to their entries' lists; the array only links them,
  // except RemoveStalePairs, which also frees.
  INT_PTR AddGatewayPair(RV_GatewayInfo* pPair);
  void RemoveGatewayPair(INT_PTR nIndex);
  void RemoveAllGatewayPairs();
  void RemoveStalePairs();
  INT_PTR GetGatewayPairCount() const { return m_arrGateways.GetSize(); }
  // Null for an index outside the array.
  RV_GatewayInfo* GetGatewayPair(INT_PTR nIndex) const;
  // The configured router j + 1, dotted.
  bool ReadGatewayIp(int j, CString& strAddress);
  // Pairs every entry with the configured routers.
  bool LoadGateways();
  // Brings the default-gateway pairs in line with the routing table.
  bool AddDefaultGateways();
  // Measures every pair, entry by entry, then sorts.
  void PingAllGateways();
  static unsigned __stdcall PingerThread(void* pParam);
  // Fastest first; equal times keep their order.
  void SortGatewayList();
  void LogTimestamps(const RV_GatewayInfo* pPair);

 private:
  // Offers a new pair of the entry to its list, and on acceptance to the array; true then.
  bool OfferPair(RV_VPNObject* pObject, const CString& strGateway, int nMetric);
  // Measures the pairs of one entry, in the calling thread.
  void MeasurePairs(RV_VPNObject* pObject);
  // The pair choice of one pass: the index of the first pair with a free timestamp, or -1.
  int ChooseGateway();
  // Dials the chosen pair's entry in the dialer thread; true when the connection is held.
  bool DialChosenPair(RV_IpHelper& ipHelper);
  // Holds the connection: a check of the server every 60 seconds until it ends or quit is set.
  void PingWait(RV_IpHelper& ipHelper, bool bConnected);
  // One check of the held connection; false when it has ended and was hung up.
  bool CheckHeldConnection(RV_IpHelper& ipHelper, UINT& nSuccesses);
  void HoldConnection(RV_IpHelper& ipHelper, RV_VPNObject* pObject);
  void WaitForDialerThread();

  RV_TarvoltApp* m_pApp;
  RV_VPNObject* m_pCurrentVPNObject;
  CTypedPtrArray<CPtrArray, RV_VPNObject*> m_arrVPNObjects;
  CTypedPtrArray<CPtrArray, RV_GatewayInfo*> m_arrGateways;
  HANDLE m_hDialerThread;
  HANDLE m_hStartedEvent;
  HANDLE m_hReadyEvent;
  HANDLE m_hWakeEvent;
  int m_nCurrentGateway;

  RV_ConnectionObject(const RV_ConnectionObject&) = delete;
  RV_ConnectionObject& operator=(const RV_ConnectionObject&) = delete;
};
