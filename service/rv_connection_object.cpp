// The network's life, its entries and its events.
#include "rv_connection_object.h"

#include "rv_gateway_info.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"
#include "walk_sort.h"

namespace {

HANDLE NewManualResetEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

void CloseIfOpen(HANDLE hObject) {
  if (hObject != nullptr) CloseHandle(hObject);
}

}  // namespace

RV_ConnectionObject::RV_ConnectionObject(RV_TarvoltApp* pApp)
    : m_pApp(pApp),
      m_pCurrentVPNObject(nullptr),
      m_hDialerThread(nullptr),
      m_hStartedEvent(NewManualResetEvent()),
      m_hReadyEvent(NewManualResetEvent()),
      m_hWakeEvent(NewManualResetEvent()),
      m_nCurrentGateway(0) {}

RV_ConnectionObject::~RV_ConnectionObject() {
  WaitForDialerThread();
  CloseIfOpen(m_hDialerThread);
  CloseIfOpen(m_hStartedEvent);
  CloseIfOpen(m_hReadyEvent);
  CloseIfOpen(m_hWakeEvent);
  RemoveAllVPNObjects();
}

void RV_ConnectionObject::WaitForDialerThread() {
  if (m_hDialerThread != nullptr) WaitForSingleObject(m_hDialerThread, INFINITE);
}

INT_PTR RV_ConnectionObject::AppendVPNObject(RV_VPNObject* pObject) { return m_arrVPNObjects.Add(pObject); }

void RV_ConnectionObject::RemoveVPNObject(INT_PTR nIndex) {
  RV_VPNObject* pObject = GetVPNObject(nIndex);
  if (pObject == nullptr) return;
  // The entry's pairs go with it; the network's array must not keep pointers to them.
  for (INT_PTR i = m_arrGateways.GetSize() - 1; i >= 0; --i)
    if (m_arrGateways[i]->m_pVPNObject == pObject) m_arrGateways.RemoveAt(i);
  if (m_pCurrentVPNObject == pObject) m_pCurrentVPNObject = nullptr;
  m_arrVPNObjects.RemoveAt(nIndex);
  pObject->RemoveAllGateways();
  delete pObject;
}

void RV_ConnectionObject::RemoveAllVPNObjects() {
  while (!m_arrVPNObjects.IsEmpty()) RemoveVPNObject(0);
}

RV_VPNObject* RV_ConnectionObject::GetVPNObject(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_arrVPNObjects.GetSize()) return nullptr;
  return m_arrVPNObjects[nIndex];
}

void RV_ConnectionObject::SortNetwork() {
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortNetwork() Entry");
  m_pApp->WriteLog(2, "Sorting Network");
  WalkSort(m_arrVPNObjects, [](RV_VPNObject* a, RV_VPNObject* b) { return a->GetIndex() > b->GetIndex(); });
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortNetwork() Exit");
}
