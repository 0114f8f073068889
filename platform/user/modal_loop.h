// The modal loop of DialogBox and MessageBox: the owner is disabled while the dialog runs, the
// thread's messages go through the dialog manager, and EndDialog ends it.
#pragma once

#include <windows.h>

namespace platform::user {

class ModalLoop {
 public:
  // Disables `owner` (when it is enabled) and shows and activates the dialog.
  ModalLoop(HWND dialog, HWND owner);
  // Enables the owner again, gives it back the activation and destroys the dialog.
  ~ModalLoop();

  // Runs until EndDialog or the dialog's destruction; false when `timeout_ms` (machine time)
  // passed first.
  bool run(DWORD timeout_ms = INFINITE);
  INT_PTR result() const { return result_; }
  // The queued message the loop is handing to the dialog now; null while it runs work that
  // other threads handed it (a SendMessage, an automation request).
  const MSG* handling() const { return handling_; }

  ModalLoop(const ModalLoop&) = delete;
  ModalLoop& operator=(const ModalLoop&) = delete;

 private:
  HWND dialog_;
  HWND owner_;
  bool owner_disabled_ = false;
  INT_PTR result_ = 0;
  const MSG* handling_ = nullptr;
};

}  // namespace platform::user
