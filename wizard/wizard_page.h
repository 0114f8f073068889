// What every page of the wizard shares: the coloured title bound to static 1043, the fonts of
// the sheet, the white background, which of the sheet's buttons show, the press of the forward
// button in unattended mode, and the tick of the page's step.
#pragma once

#include "colour_text_ctrl.h"
#include "cpropertypage.h"

class CWizardPropSheet;

class CWizardPage : public CPropertyPage {
 public:
  explicit CWizardPage(UINT nIDTemplate);

  // The title's font and colour, the body text's font.
  BOOL OnInitDialog() override;
  // Back, Next and Cancel; Next presses itself in unattended mode.
  BOOL OnSetActive() override;
  // Marks the page's step done (pages without a step mark nothing) and goes on.
  LRESULT OnWizardNext() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Shows the chosen wizard buttons, updates the controls and, in unattended mode, posts a
  // click to Next, or to Finish when Next is hidden (nothing when both are); the base's result.
  BOOL ActivateWith(bool bBack, bool bNext, bool bFinish, bool bCancel = true);
  CWizardPropSheet* GetSheet() const;
  void MarkStepDone(bool bDone);
  // The command line asked for a run without questions.
  bool IsUnattended() const;
  // Enables and shows the sheet's button, or disables and hides it.
  void ShowButton(int nID, bool bShow) const;
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

  CColourTextCtrl m_title;

 private:
  UINT m_nIDTemplate;
};
