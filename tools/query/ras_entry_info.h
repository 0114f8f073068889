// One VPN entry that Quorril found: its name, its server and whether it is connected.
#pragma once

#include "atlstr.h"

class RasEntryInfo {
 public:
  RasEntryInfo(const CStringW& strName, const CStringW& strServer, bool bConnected)
      : m_strName(strName), m_strServer(strServer), m_bConnected(bConnected) {}

  CStringW m_strName;
  CStringW m_strServer;
  bool m_bConnected;
};
