// One gateway-server pair: a VPN server and a local router through which it can be reached,
// with the pair's last measured time and the moments at which dials through it failed.
#pragma once

#include <windows.h>

#include "cstringt.h"
#include "ctime.h"

class RV_VPNObject;

class RV_GatewayInfo {
 public:
  static constexpr int kTimestampCount = 3;
  // A failure counts against the pair for this many seconds.
  static constexpr LONGLONG kTimestampLifeSeconds = 300;

  RV_GatewayInfo();

  // Records the current time in the first empty slot; its number 1 to 3, or 0 when all are in use.
  int SetTimestamp();
  void ClearTimestamps();
  // Empties the slots older than the timestamp life, measured from now; the number kept.
  int CountRecentTimestamps();
  // Measured from m_tLastCheck; a slot later than it (the clock set back) counts as recent.
  bool IsRecentTimestamp(CTime tSlot) const;
  static bool IsEmptySlot(CTime tSlot);
  void SetVPNObject(RV_VPNObject* pObject) { m_pVPNObject = pObject; }
  RV_VPNObject* GetVPNObject() const { return m_pVPNObject; }

  CTime m_tLastCheck;
  // A slot whose local year is 2000 is empty.
  CTime m_tTimestamps[kTimestampCount];
  BYTE m_bStale;
  BYTE m_bSeen;
  CString m_strServer;   // the entry's server: host name or address
  CString m_strGateway;  // the router, dotted
  DWORD m_dwBestPing;    // ms; 5001 when the server did not answer
  int m_nMetric;         // 2 a configured router, 1 a default gateway
  RV_VPNObject* m_pVPNObject;

 private:
  RV_GatewayInfo(const RV_GatewayInfo&) = delete;
  RV_GatewayInfo& operator=(const RV_GatewayInfo&) = delete;
};
