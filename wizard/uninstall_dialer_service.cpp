#include "uninstall_dialer_service.h"

#include "run_and_capture.h"

void UninstallDialerService() {
  CString strOutput;
  RunAndCapture(L"tarvolt -d", strOutput);
}
