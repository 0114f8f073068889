// Dialog data exchange: a window's DoDataExchange moves values between its members and its
// controls, in the direction m_bSaveAndValidate says (TRUE: controls to members, checked). An
// entry that fails its check tells the user, puts the focus back on the control and throws
// CUserException, which ends the exchange.
#pragma once

#include "cstringt.h"
#include "cuserexception.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  // The control of the last entry, where Fail puts the focus.
  UINT m_idLastControl;
  BOOL m_bEditLastControl;

  // The window of control nIDC; a window without that control is the program's fault (an
  // invalid-argument error).
  HWND PrepareCtrl(int nIDC);
  // The same, for an edit control: Fail selects its text as well.
  HWND PrepareEditCtrl(int nIDC);
  [[noreturn]] void Fail();

 private:
  CDataExchange(const CDataExchange&) = delete;
  CDataExchange& operator=(const CDataExchange&) = delete;
};

// Binds rControl to control nIDC (subclassing it) the first time; later exchanges keep it.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The control's text. The number forms take decimal text with blanks around it; other text, or a
// number the type cannot hold, is refused.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, unsigned long& value);
// A check box's state: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Saving: refuses a text longer than nChars. Loading: limits the last edit control to nChars.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
