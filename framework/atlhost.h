// CAxDialogImpl<T>: a modal dialog on the template T::IDD of the program's resources, whose
// messages go to T's message map. Its own map runs the base initialisation of WM_INITDIALOG,
// which lets the dialog manager go on (focus to the first control that takes it).
#pragma once

#include "atl_dialog_impl.h"

template <class T>
class CAxDialogImpl : public CDialogImplBase {
 public:
  INT_PTR DoModal(HWND hWndParent = ::GetActiveWindow(), LPARAM dwInitParam = 0) {
    return DoModalTemplate(T::IDD, hWndParent, dwInitParam);
  }

  BEGIN_MSG_MAP(CAxDialogImpl)
  MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
  END_MSG_MAP()

  LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;
    return 1;
  }
};
