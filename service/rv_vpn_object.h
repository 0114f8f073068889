// One phone-book entry of the service's networks: its identity and stored RAS settings, its
// connection (dial, status, disconnection notification, addresses, hang-up), and the
// gateway-server pairs that lead to its server.
#pragma once

#include "rv_net_api.h"

#include "cstringt.h"
#include "ctypedptrarray.h"

class RV_GatewayInfo;
class RV_IpHelper;
class RV_TarvoltApp;

// The result of a dial, which the connection loop reads and writes in m_nStatus.
enum {
  VPN_STATUS_NEW = 0,
  VPN_STATUS_DROPPED = 2,
  VPN_STATUS_IP_MISMATCH = 3,
  VPN_STATUS_TIME_LAPSE = 4,
  VPN_STATUS_RESTART = 5,
  VPN_STATUS_QUIT = 6
};

class RV_VPNObject {
 public:
  explicit RV_VPNObject(RV_TarvoltApp* pApp);
  // Frees the entry copies and the notifier; the pairs are not destroyed and nothing is hung up.
  ~RV_VPNObject();

  // Synchronous dial; true when connected and the service is not quitting.
  bool DialVPNConn();
  bool GetConnStatus();
  bool SetConnectionNotification();
  // Fills the two address strings from the PPP IP projection; empty when it cannot be read.
  bool GetProjectionInfo();
  // Hangs up and removes the host route of the current pair.
  bool HangUpConnection(RV_IpHelper& ipHelper);
  HANDLE GetNotifier() const { return m_hNotifier; }
  // Takes over an active connection whose entry name equals this entry's exactly; true then.
  bool MatchActiveConnection(const RASCONNA* pConnection);
  // The entry check done on the object itself (its own phone book and name).
  bool CheckRasEntry();

  // Takes ownership: keeps the pair, or destroys it when the list has one with the same
  // gateway and server.
  bool AddGateway(RV_GatewayInfo* pGateway);
  // Also marks the listed pairs: the matching one seen, the ones before it stale unless seen.
  bool IsGatewayInList(const RV_GatewayInfo* pGateway);
  // Unlinks the stale pairs (they stay in the network's list).
  void RemoveStaleGateways();
  // Unlinks and destroys every pair.
  void RemoveAllGateways();
  INT_PTR GetGatewayCount() const { return m_Gateways.GetSize(); }
  RV_GatewayInfo* GetGatewayAt(INT_PTR nIndex) const;
  // Unlinks the pair at the index without destroying it.
  void RemoveGatewayAt(INT_PTR nIndex);

  BYTE GetIndex() const { return m_nIndex; }
  void SetIndex(BYTE nIndex) { m_nIndex = nIndex; }
  const char* GetEntryName() const { return m_szEntryName; }
  int GetNetworkType() const { return m_nNetworkType; }
  void SetNetworkType(int nType) { m_nNetworkType = nType; }
  bool IsConnected() const { return m_bConnected != 0; }
  void SetConnected(bool bConnected) { m_bConnected = bConnected; }
  CString GetServerIp() const { return m_strServerIp; }
  void SetServerIp(const CString& strIp) { m_strServerIp = strIp; }
  CString GetClientIp() const { return m_strClientIp; }
  void SetClientIp(const CString& strIp) { m_strClientIp = strIp; }
  // The VPN server: the phone number that the entry stores.
  CString GetServerHost() const;
  RV_GatewayInfo* GetCurrentGateway() const { return m_pCurrentGateway; }
  void SetCurrentGateway(RV_GatewayInfo* pGateway) { m_pCurrentGateway = pGateway; }
  // Take ownership of heap copies made by CopyRasEntry and CopyDialParams.
  void SetRasEntry(RASENTRYA* pEntry);
  void SetDialParams(RASDIALPARAMSA* pParams);

 private:
  RV_TarvoltApp* m_pApp;

 public:
  char m_szPhonebook[MAX_PATH + 1];
  char m_szEntryName[RAS_MaxEntryName + 1];

 private:
  BYTE m_nIndex;
  RASENTRYA* m_pRasEntry;
  RASDIALPARAMSA* m_pDialParams;
  HRASCONN m_hRasConn;
  int m_nNetworkType;
  BYTE m_bConnected;
  CString m_strClientIp;
  CString m_strServerIp;
  HANDLE m_hNotifier;
  CTypedPtrArray<CPtrArray, RV_GatewayInfo*> m_Gateways;
  RV_GatewayInfo* m_pCurrentGateway;

 public:
  int m_nStatus;

 private:
  RV_VPNObject(const RV_VPNObject&) = delete;
  RV_VPNObject& operator=(const RV_VPNObject&) = delete;
};
