// One network (A or B) of the service: its VPN entries in index order and its gateway-server
// pairs. The network owns its entries, and through them their pairs.
#pragma once

#include <windows.h>

#include "ctypedptrarray.h"

class RV_GatewayInfo;
class RV_TarvoltApp;
class RV_VPNObject;

class RV_ConnectionObject {
 public:
  explicit RV_ConnectionObject(RV_TarvoltApp* pApp);
  // Waits for the dialer thread, then destroys the entries and their pairs.
  ~RV_ConnectionObject();

  // Takes ownership of the entry; its index in the network.
  INT_PTR AppendVPNObject(RV_VPNObject* pObject);
  // Destroys every entry with its pairs, and empties the pair list.
  void RemoveAllVPNObjects();
  INT_PTR GetVPNObjectCount() const { return m_arrVPNObjects.GetSize(); }
  // Null for an index outside the network.
  RV_VPNObject* GetVPNObject(INT_PTR nIndex) const;
  // Orders the entries by their index digit; entries with the same digit keep their order.
  void SortNetwork();

 private:
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
