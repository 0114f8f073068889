// The wait cursor for the life of the object: the constructor shows it, the destructor brings
// back the cursor that was there before the first wait; Restore shows the wait cursor again
// (after a message box, say, which sets its own). Nests with CCmdTarget::BeginWaitCursor.
#pragma once

#include <windows.h>

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  void Restore();

 private:
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
