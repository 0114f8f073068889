#include "rv_gateway_info.h"

namespace {

CTime EmptySlot() { return CTime(2000, 1, 1, 0, 0, 0); }

}  // namespace

RV_GatewayInfo::RV_GatewayInfo()
    : m_tLastCheck(0), m_bStale(0), m_bSeen(1), m_dwBestPing(0), m_nMetric(0), m_pVPNObject(nullptr) {
  for (CTime& slot : m_tTimestamps) slot = EmptySlot();
}
