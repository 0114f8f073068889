// A dialog box from a template (a resource, or a template in memory). Modeless with Create;
// modal with DoModal, which disables the owner and runs the dialog in CWnd::RunModalLoop, so
// that every key passes PreTranslateMessage (IsDialogMessage for the dialog) before the dialog
// manager sees it.
#pragma once

#include "cwnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Modeless: the dialog exists when these return TRUE.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  virtual BOOL CreateIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd = nullptr,
                              void* lpDialogInit = nullptr);

  // For DoModal with a template in memory instead of a resource.
  BOOL InitModalIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd = nullptr,
                         void* lpDialogInit = nullptr);
  // The value given to EndDialog; -1 when the dialog could not be made.
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);

  // WM_INITDIALOG: UpdateData(FALSE). TRUE: the dialog manager sets the focus.
  virtual BOOL OnInitDialog();
  // IDOK: UpdateData(TRUE), then EndDialog(IDOK) when the data was valid.
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  DWORD GetDefID() const;
  void SetDefID(UINT nID);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);

  UINT m_nIDHelp;
  LPCTSTR m_lpszTemplateName;  // a resource name, or MAKEINTRESOURCE of its id
  const DLGTEMPLATE* m_lpDialogTemplate;  // a template in memory; wins over the name
  void* m_lpDialogInit;
  CWnd* m_pParentWnd;

 protected:
  // Makes the window of m_lpDialogTemplate, else of the resource m_lpszTemplateName, attached
  // to this object from its first message.
  BOOL CreateDlg(CWnd* pParentWnd);

  DECLARE_MESSAGE_MAP()

 private:
  friend INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The dialog procedure of the framework's dialogs: WM_INITDIALOG goes to OnInitDialog; every
// other message reached the object through its window procedure already.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
