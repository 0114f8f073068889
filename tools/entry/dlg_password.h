// The dialog that asks for the decryption password of the encrypted options.
#pragma once

#include "atlbase.h"
#include "atlhost.h"
#include "resource.h"

class CDlgPassword : public CAxDialogImpl<CDlgPassword> {
 public:
  enum { IDD = IDD_DLGPASSWORD };

  CDlgPassword();

  BEGIN_MSG_MAP(CDlgPassword)
  MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
  COMMAND_HANDLER(IDOK, BN_CLICKED, OnClickedOK)
  COMMAND_HANDLER(IDCANCEL, BN_CLICKED, OnClickedCancel)
  CHAIN_MSG_MAP(CAxDialogImpl<CDlgPassword>)
  END_MSG_MAP()

  LRESULT OnInitDialog(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  LRESULT OnClickedOK(WORD wNotifyCode, WORD wID, HWND hWndCtl, BOOL& bHandled);
  LRESULT OnClickedCancel(WORD wNotifyCode, WORD wID, HWND hWndCtl, BOOL& bHandled);

  WCHAR m_szPassword[1024];
};
