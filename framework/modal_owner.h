// The owner of a modal dialog or sheet: disabled while the modal window runs, then enabled again
// and given the activation back before that window goes, so that it does not pass elsewhere.
#pragma once

#include <windows.h>

class CWnd;

namespace framework {

class ModalOwner {
 public:
  // The top-level window that owns dialogs for pParentWnd (else for the main window); it is
  // disabled when it was enabled.
  explicit ModalOwner(CWnd* pParentWnd);
  ModalOwner(const ModalOwner&) = delete;
  ModalOwner& operator=(const ModalOwner&) = delete;

  CWnd* Window() const { return m_pOwner; }
  HWND Handle() const { return m_hWndOwner; }
  // The modal window has ended: it is hidden, the owner enabled again and, when the modal
  // window was active, activated.
  void Restore(HWND hWndModal);

 private:
  CWnd* m_pOwner;
  HWND m_hWndOwner;
  BOOL m_bEnableOwner;
};

}  // namespace framework
