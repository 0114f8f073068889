// The base of the template library's dialog classes. The dialog procedure finds the object of a
// dialog through the dialog's DWLP_USER field: DoModal leaves the object in a slot of its
// thread, and the first message the new dialog receives claims it; the field is cleared with
// the dialog's last message (WM_NCDESTROY), so nothing outlives the window.
#pragma once

#include "atlwin.h"

class CDialogImplBase : public CWindow, public CMessageMap {
 public:
  CDialogImplBase(const CDialogImplBase&) = delete;
  CDialogImplBase& operator=(const CDialogImplBase&) = delete;
  BOOL EndDialog(int nRetCode) { return ::EndDialog(m_hWnd, nRetCode); }

 protected:
  CDialogImplBase() = default;
  ~CDialogImplBase();
  // The modal dialog of template nIDD from the program's resources.
  INT_PTR DoModalTemplate(int nIDD, HWND hWndParent, LPARAM dwInitParam);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  static CDialogImplBase* Claim(HWND hWnd);

  static thread_local CDialogImplBase* t_pCreating;
};
