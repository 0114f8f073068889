#include "rv_gateway_info.h"

namespace {

CTime EmptySlot() { return CTime(2000, 1, 1, 0, 0, 0); }

}  // namespace

RV_GatewayInfo::RV_GatewayInfo()
    : m_tLastCheck(0), m_bStale(0), m_bSeen(1), m_dwBestPing(0), m_nMetric(0), m_pVPNObject(nullptr) {
  ClearTimestamps();
}

int RV_GatewayInfo::SetTimestamp() {
  for (int i = 0; i < kTimestampCount; ++i) {
    if (IsEmptySlot(m_tTimestamps[i])) {
      m_tTimestamps[i] = CTime::GetCurrentTime();
      return i + 1;
    }
  }
  return 0;
}

void RV_GatewayInfo::ClearTimestamps() {
  for (CTime& slot : m_tTimestamps) slot = EmptySlot();
}

bool RV_GatewayInfo::IsEmptySlot(CTime tSlot) { return tSlot.GetYear() == 2000; }

bool RV_GatewayInfo::IsRecentTimestamp(CTime tSlot) const {
  if (IsEmptySlot(tSlot)) return false;
  return (m_tLastCheck - tSlot).GetTotalSeconds() <= kTimestampLifeSeconds;
}

int RV_GatewayInfo::CountRecentTimestamps() {
  m_tLastCheck = CTime::GetCurrentTime();
  int nCount = 0;
  for (CTime& slot : m_tTimestamps) {
    if (IsRecentTimestamp(slot))
      ++nCount;
    else
      slot = EmptySlot();
  }
  return nCount;
}
