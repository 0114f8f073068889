// Which Windows the machine is: a 64-bit workstation of version 6.1 (build 7601, Service Pack 1)
// unless the machine's configuration names another edition.
#pragma once

#include <windows.h>

#include <string>

namespace platform::edition {

struct Edition {
  DWORD major = 6;
  DWORD minor = 1;
  DWORD build = 7601;
  WORD service_pack = 1;
  BYTE product_type = VER_NT_WORKSTATION;
  bool server_r2 = false;  // Windows Server 2003 R2
};

// From the configuration keys windows_version ("6.1"), windows_build, windows_service_pack,
// windows_product_type (workstation, server, domain_controller) and windows_server_r2 (0, 1).
Edition current();

}  // namespace platform::edition
