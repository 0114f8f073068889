// A property sheet, or in wizard mode (PSH_WIZARD) a wizard: the sheet window the system makes
// around the pages, with its buttons. The object attaches to that window as it is created, so
// its message map, OnInitDialog and its child windows work as for any framework window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "cpropertypage.h"
#include "cwnd.h"

// The wizard's buttons on the sheet.
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~CPropertySheet() override;

  // The header the sheet is made from; a program may add PSH_ flags before it runs. The pages
  // and the caption are filled in when it runs.
  PROPSHEETHEADERW m_psh;

  // Pages stay the program's objects; the sheet only refers to them.
  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  // -1 when the page is not in the sheet.
  int GetPageIndex(CPropertyPage* pPage) const;
  // Before the sheet runs: the page it starts on.
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);

  // nStyle PSH_PROPTITLE: "Properties for" the text.
  void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
  void SetWizardMode();
  // PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH, PSWIZB_DISABLEDFINISH.
  void SetWizardButtons(DWORD dwFlags);
  void SetFinishText(LPCTSTR lpszText);
  // As if the user clicked the button (PSBTN_*), once the current message is done.
  void PressButton(int nButton);

  // Modal: IDOK or, in wizard mode, ID_WIZFINISH when finished; IDCANCEL when cancelled; the
  // value given to EndDialog when the sheet was ended so; -1 when it could not be made. The
  // owner is disabled meanwhile and the sheet runs in CWnd::RunModalLoop.
  virtual INT_PTR DoModal();
  // Modeless: the sheet exists when this returns TRUE; the thread's message loop feeds it
  // through PreTranslateMessage. dwStyle (DWORD)-1 keeps the sheet's own style.
  using CWnd::Create;
  virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
  void EndDialog(int nEndID);

  // The sheet window's WM_INITDIALOG: the sheet makes its pages and the first page becomes
  // active in here, so an override calls this first.
  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // DoModal's loop goes on until the sheet has ended (Finish, Cancel, OK or EndDialog).
  BOOL ContinueModal() override;

 protected:
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage);
  // The sheet window from m_psh and the pages; its result is PropertySheetW's.
  INT_PTR Run(DWORD dwModeFlag, HWND hWndParent);
  // What DoModal returns for the sheet that has ended.
  int EndResult() const;

  std::vector<CPropertyPage*> m_pages;
  CStringW m_strCaption;
  CWnd* m_pParentWnd;
  int m_nEndID;  // the value given to EndDialog; 0 until then
};
