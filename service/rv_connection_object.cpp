#include "rv_connection_object.h"

#include "rv_vpn_object.h"
#include "tarvolt_app.h"

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
  if (m_hDialerThread != nullptr) {
    WaitForSingleObject(m_hDialerThread, INFINITE);
    CloseHandle(m_hDialerThread);
  }
  CloseIfOpen(m_hStartedEvent);
  CloseIfOpen(m_hReadyEvent);
  CloseIfOpen(m_hWakeEvent);
  RemoveAllVPNObjects();
}

INT_PTR RV_ConnectionObject::AppendVPNObject(RV_VPNObject* pObject) { return m_arrVPNObjects.Add(pObject); }

void RV_ConnectionObject::RemoveAllVPNObjects() {
  // Every pair of the network stands in the list of one of its entries, which frees it; the
  // network's list would otherwise keep pointers to freed pairs.
  m_arrGateways.RemoveAll();
  m_pCurrentVPNObject = nullptr;
  while (!m_arrVPNObjects.IsEmpty()) {
    RV_VPNObject* pObject = m_arrVPNObjects[0];
    m_arrVPNObjects.RemoveAt(0);
    pObject->RemoveAllGateways();
    delete pObject;
  }
}

RV_VPNObject* RV_ConnectionObject::GetVPNObject(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_arrVPNObjects.GetSize()) return nullptr;
  return m_arrVPNObjects[nIndex];
}

void RV_ConnectionObject::SortNetwork() {
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortNetwork() Entry");
  m_pApp->WriteLog(2, "Sorting Network");
  // Walks forward; an entry with a smaller digit than the one before it moves in front of it,
  // and the walk steps back to compare it again. Equal digits never move past each other.
  INT_PTR nCount = m_arrVPNObjects.GetSize();
  for (INT_PTR p = 0; p < nCount;) {
    if (p >= 0 && p + 1 < nCount && m_arrVPNObjects[p]->GetIndex() > m_arrVPNObjects[p + 1]->GetIndex()) {
      RV_VPNObject* pNext = m_arrVPNObjects[p + 1];
      m_arrVPNObjects.RemoveAt(p + 1);
      m_arrVPNObjects.InsertAt(p, pNext);
      --p;
    } else {
      ++p;
    }
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortNetwork() Exit");
}
