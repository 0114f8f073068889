// The network's pair array and the pairs built from the configured routers and the machine's
// default gateways.
#include <stdio.h>
#include <stdlib.h>

#include "rv_connection_object.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "settings_store.h"
#include "tarvolt_app.h"

namespace {

const int kConfiguredMetric = 2;
const int kDefaultGatewayMetric = 1;

}  // namespace

INT_PTR RV_ConnectionObject::AddGatewayPair(RV_GatewayInfo* pPair) { return m_arrGateways.Add(pPair); }

void RV_ConnectionObject::RemoveGatewayPair(INT_PTR nIndex) {
  if (nIndex >= 0 && nIndex < m_arrGateways.GetSize()) m_arrGateways.RemoveAt(nIndex);
}

void RV_ConnectionObject::RemoveAllGatewayPairs() { m_arrGateways.RemoveAll(); }

void RV_ConnectionObject::RemoveStalePairs() {
  INT_PTR nKept = 0;
  for (INT_PTR i = 0; i < m_arrGateways.GetSize(); ++i) {
    RV_GatewayInfo* pPair = m_arrGateways[i];
    if (pPair->m_bStale)
      delete pPair;
    else
      m_arrGateways[nKept++] = pPair;
  }
  m_arrGateways.SetSize(nKept);
}

RV_GatewayInfo* RV_ConnectionObject::GetGatewayPair(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_arrGateways.GetSize()) return nullptr;
  return m_arrGateways[nIndex];
}

bool RV_ConnectionObject::ReadGatewayIp(int j, CString& strAddress) {
  char szName[32];
  snprintf(szName, sizeof(szName), "Gateway_IP%d", j + 1);
  BYTE address[4];
  if (!ReadSetting(SettingsSubkeyPath("Gateways"), szName, address, sizeof(address))) return false;
  strAddress.Format("%i.%i.%i.%i", address[0], address[1], address[2], address[3]);
  return true;
}

bool RV_ConnectionObject::OfferPair(RV_VPNObject* pObject, const CString& strGateway, int nMetric) {
  RV_GatewayInfo* pPair = new RV_GatewayInfo;
  pPair->m_strGateway = strGateway;
  pPair->m_nMetric = nMetric;
  pPair->m_strServer = pObject->GetServerHost();
  // A refused pair is freed by the entry's list.
  if (!pObject->AddGateway(pPair)) return false;
  AddGatewayPair(pPair);
  pPair->SetVPNObject(pObject);
  return true;
}

bool RV_ConnectionObject::LoadGateways() {
  BYTE count = 0;
  int nRouters = ReadSetting(kSettingsKey, "GatewayCount", &count, 1) ? count : 0;
  if (nRouters == 0) m_pApp->WriteLog(2, "No Gateway entries found. going with default Gateway");
  for (INT_PTR i = 0; i < m_arrVPNObjects.GetSize(); ++i) {
    RV_VPNObject* pObject = m_arrVPNObjects[i];
    pObject->RemoveAllGateways();
    for (int j = 0; j < nRouters; ++j) {
      CString strGateway;
      if (ReadGatewayIp(j, strGateway) && OfferPair(pObject, strGateway, kConfiguredMetric))
        m_pApp->WriteLog(2, "New Gateway %s -> %s", strGateway.GetString(), pObject->GetServerHost().GetString());
    }
  }
  return true;
}

bool RV_ConnectionObject::AddDefaultGateways() {
  RV_IpHelper ipHelper(m_pApp);
  PMIB_IPFORWARDTABLE pTable = ipHelper.GetDefaultGateways();
  for (INT_PTR i = 0; i < m_arrGateways.GetSize(); ++i) {
    RV_GatewayInfo* pPair = m_arrGateways[i];
    if (pPair->m_nMetric != kDefaultGatewayMetric) continue;
    pPair->m_bSeen = 0;
    pPair->m_bStale = 1;
  }
  for (INT_PTR i = 0; i < m_arrVPNObjects.GetSize(); ++i) {
    RV_VPNObject* pObject = m_arrVPNObjects[i];
    for (DWORD r = 0; r < pTable->dwNumEntries; ++r) {
      const MIB_IPFORWARDROW& row = pTable->table[r];
      if (row.dwForwardDest != 0) continue;
      in_addr nextHop;
      nextHop.s_addr = row.dwForwardNextHop;
      CString strGateway(inet_ntoa(nextHop));
      if (OfferPair(pObject, strGateway, kDefaultGatewayMetric))
        m_pApp->WriteLog(2, "Default Gateway %s -> %s", strGateway.GetString(), pObject->GetServerHost().GetString());
    }
    pObject->RemoveStaleGateways();
  }
  RemoveStalePairs();
  free(pTable);
  return true;
}
