// The step list along the wizard's left edge: one row per step, its name, and a tick beside the
// steps that are done. It paints no background: the picture behind it shows through.
#pragma once

#include "carray.h"
#include "cstringarray.h"
#include "cwnd.h"

class CSetupProgressCtrl : public CWnd {
 public:
  CSetupProgressCtrl();

  void AddStep(LPCTSTR lpszName);
  // An index outside the list throws the framework's invalid-argument exception.
  void SetStepDone(int nIndex, bool bDone);
  // The picture drawn beside finished steps.
  void SetBitmap(HBITMAP hBitmap);

 protected:
  afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  CStringArray m_stepNames;
  CArray<bool, bool> m_stepDone;
  HFONT m_hFont;
  HBITMAP m_hBitmap;
};
