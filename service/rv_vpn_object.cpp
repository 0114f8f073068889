// The VPN object's life, its accessors and its list of gateway-server pairs.
#include "rv_vpn_object.h"

#include <stdlib.h>
#include <string.h>

#include "ras_records.h"
#include "rv_gateway_info.h"
#include "tarvolt_app.h"

RV_VPNObject::RV_VPNObject(RV_TarvoltApp* pApp)
    : m_pApp(pApp),
      m_nIndex(0),
      m_pRasEntry(nullptr),
      m_pDialParams(nullptr),
      m_hRasConn(nullptr),
      m_nNetworkType(0),
      m_bConnected(0),
      m_hNotifier(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_pCurrentGateway(nullptr),
      m_nStatus(VPN_STATUS_NEW) {
  memset(m_szPhonebook, 0, sizeof(m_szPhonebook));
  memset(m_szEntryName, 0, sizeof(m_szEntryName));
}

RV_VPNObject::~RV_VPNObject() {
  free(m_pRasEntry);
  free(m_pDialParams);
  if (m_hNotifier) CloseHandle(m_hNotifier);
  m_Gateways.RemoveAll();
}

CString RV_VPNObject::GetServerHost() const {
  if (m_pRasEntry == nullptr) return CString();
  return FieldText(m_pRasEntry->szLocalPhoneNumber);
}

void RV_VPNObject::SetRasEntry(RASENTRYA* pEntry) {
  free(m_pRasEntry);
  m_pRasEntry = pEntry;
}

void RV_VPNObject::SetDialParams(RASDIALPARAMSA* pParams) {
  free(m_pDialParams);
  m_pDialParams = pParams;
}

bool RV_VPNObject::MatchActiveConnection(const RASCONNA* pConnection) {
  if (strcmp(pConnection->szEntryName, m_szEntryName) != 0) return false;
  m_hRasConn = pConnection->hrasconn;
  m_bConnected = 1;
  m_pApp->WriteLog(2, "Connection found to be already active : \"%s\";", m_szEntryName);
  return true;
}

bool RV_VPNObject::AddGateway(RV_GatewayInfo* pGateway) {
  if (!IsGatewayInList(pGateway)) {
    m_Gateways.Add(pGateway);
    m_pApp->WriteLog(3, "Gateway %s for %s added to the list", pGateway->m_strGateway.GetString(),
                     pGateway->m_strServer.GetString());
    return true;
  }
  m_pApp->WriteLog(3, "Skipping the Gateway %s for %s, because it is already in the list",
                   pGateway->m_strGateway.GetString(), pGateway->m_strServer.GetString());
  delete pGateway;
  return false;
}

bool RV_VPNObject::IsGatewayInList(const RV_GatewayInfo* pGateway) {
  for (INT_PTR i = 0; i < m_Gateways.GetSize(); ++i) {
    RV_GatewayInfo* pListed = m_Gateways[i];
    if (pListed->m_strGateway == pGateway->m_strGateway && pListed->m_strServer == pGateway->m_strServer) {
      pListed->m_bSeen = 1;
      pListed->m_bStale = 0;
      return true;
    }
    pListed->m_bStale = !pListed->m_bSeen;
  }
  return false;
}

void RV_VPNObject::RemoveStaleGateways() {
  INT_PTR nKept = 0;
  for (INT_PTR i = 0; i < m_Gateways.GetSize(); ++i) {
    RV_GatewayInfo* pGateway = m_Gateways[i];
    if (pGateway->m_bStale) {
      if (pGateway == m_pCurrentGateway) m_pCurrentGateway = nullptr;
    } else {
      m_Gateways[nKept++] = pGateway;
    }
  }
  m_Gateways.SetSize(nKept);
}

void RV_VPNObject::RemoveAllGateways() {
  while (!m_Gateways.IsEmpty()) {
    RV_GatewayInfo* pGateway = m_Gateways[0];
    m_Gateways.RemoveAt(0);
    delete pGateway;
  }
  m_pCurrentGateway = nullptr;
}

RV_GatewayInfo* RV_VPNObject::GetGatewayAt(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_Gateways.GetSize()) return nullptr;
  return m_Gateways[nIndex];
}

void RV_VPNObject::RemoveGatewayAt(INT_PTR nIndex) {
  if (nIndex >= 0 && nIndex < m_Gateways.GetSize()) m_Gateways.RemoveAt(nIndex);
}
