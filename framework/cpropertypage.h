// One page of a property sheet or wizard: a dialog template the sheet makes into a child window
// of its own. The sheet's notifications (PSN_*) become the virtual calls below, and their
// results the answers the sheet reads.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "cdialog.h"

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  // dwSize: the page record's version the program asks for (the size through its last member).
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEW));
  explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEW));
  ~CPropertyPage() override;

  // The record the sheet is given for this page; a program may add PSP_ flags before the sheet
  // runs. Its lParam carries this object to the page's window.
  PROPSHEETPAGEW m_psp;

  // Tells the sheet that the page has changes to apply (PSM_CHANGED), or no longer has them.
  void SetModified(BOOL bChanged = TRUE);

  // The page becomes the current one: the members go into the controls, except the first time
  // (OnInitDialog did that). FALSE refuses, and the sheet goes on past the page.
  virtual BOOL OnSetActive();
  // Leaving the page: the controls into the members; FALSE (invalid data) keeps the page.
  virtual BOOL OnKillActive();
  // OK or Apply Now: OnOK; FALSE keeps the sheet open on this page.
  virtual BOOL OnApply();
  // Cancel: OnCancel.
  virtual void OnReset();
  // The page's part of OK and Cancel; a page has nothing to end, unlike a dialog.
  void OnOK() override;
  void OnCancel() override;
  // FALSE keeps the sheet open.
  virtual BOOL OnQueryCancel();
  // 0 goes on to the neighbouring page, -1 stays, a page's template id jumps to that page.
  virtual LRESULT OnWizardBack();
  virtual LRESULT OnWizardNext();
  // FALSE keeps the wizard open.
  virtual BOOL OnWizardFinish();

  // The sheet handles the dialog keys of its pages (Tab into and out of them, Enter for its
  // default button), so a page's own override sees the key first and its base passes it on.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  // The dialog procedure of every page: attaches the page's object at WM_INITDIALOG.
  static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize);
  // The answer to one of the sheet's notifications.
  LRESULT AnswerSheet(UINT code);

  CStringW m_strTemplateName;  // a template named by text
  CStringW m_strCaption;
  BOOL m_bFirstSetActive;
};
