// GetSystemMetrics for the metrics that describe the running Windows.
#include <windows.h>

#include "kernel/windows_edition.h"

using namespace winsim;

int WINAPI GetSystemMetrics(int nIndex) {
  if (nIndex != SM_SERVERR2) return 0;
  // The build number on Windows Server 2003 R2, else 0.
  edition::Edition e = edition::current();
  bool r2 = e.server_r2 && e.major == 5 && e.minor == 2 && e.product_type != VER_NT_WORKSTATION;
  return r2 ? int(e.build) : 0;
}
