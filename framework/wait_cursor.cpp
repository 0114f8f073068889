#include "wait_cursor.h"

#include <windows.h>

namespace framework {

namespace {

struct WaitState {
  int nCount = 0;
  HCURSOR hcurRestore = nullptr;
};

thread_local WaitState t_wait;

}  // namespace

void DoWaitCursor(int nCode) {
  if (nCode < 0) {
    if (t_wait.nCount == 0) return;
    if (--t_wait.nCount == 0) ::SetCursor(t_wait.hcurRestore);
    return;
  }
  if (nCode == 0 && t_wait.nCount == 0) return;
  HCURSOR hcurPrevious = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  if (nCode > 0 && t_wait.nCount++ == 0) t_wait.hcurRestore = hcurPrevious;
}

}  // namespace framework
