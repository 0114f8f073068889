// Zolvane's one dialog: the archived versions of the service program in the current directory,
// the date of the installed one, the two downloads and the replacement.
#pragma once

#include "cbutton.h"
#include "cdialog.h"
#include "cedit.h"
#include "clistbox.h"
#include "cstatic.h"
#include "cstringt.h"
#include "resource.h"

class CZolvaneDlg : public CDialog {
 public:
  explicit CZolvaneDlg(CWnd* pParent = nullptr);

  enum { IDD = IDD_ZOLVANE_DIALOG };

  // Fills strIndexText with the update index from pszHost, each line followed by CR LF; 0, or
  // -1 when no connection could be made. WinInet failures are thrown.
  int FetchUpdateIndex(LPCSTR pszHost, CString& strIndexText);
  // Downloads the newest version the index names into the current directory; strFileName gets
  // its name. GetWebFile's code, or 0 when the index holds no usable name.
  int DownloadLatestVersion(CString& strFileName);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // The purchase link and the newest-version button as the dialog starts.
  void ApplyStartupState();
  // The archive list, its top item selected, the current-version line and the replacement
  // button after them.
  void RefreshVersionList();

  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg void OnBnClickedCancel();
  afx_msg void OnBnClickedButton1006();
  afx_msg void OnBnClickedDownloadLatest();
  afx_msg void OnBnClickedDownloadSpecified();
  afx_msg void OnBnClickedUseSelected();
  DECLARE_MESSAGE_MAP()

  HICON m_hIcon;
  CButton m_downloadLatestButton;
  CListBox m_versionList;
  CEdit m_versionDateEdit;
  CButton m_downloadSpecifiedButton;
  CStatic m_currentVersionText;
};
