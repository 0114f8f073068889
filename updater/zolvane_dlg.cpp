#include "zolvane_dlg.h"

#include "about_dlg.h"
#include "archive_name.h"
#include "cdataexchange.h"
#include "cexception.h"
#include "cfilefind.h"
#include "cmenu.h"
#include "cpaintdc.h"
#include "current_version.h"
#include "cwinapp.h"
#include "hyperlink.h"

CZolvaneDlg::CZolvaneDlg(CWnd* pParent) : CDialog(IDD_ZOLVANE_DIALOG, pParent) {
  m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

void CZolvaneDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DOWNLOAD_LATEST, m_downloadLatestButton);
  DDX_Control(pDX, IDC_VERSION_LIST, m_versionList);
  DDX_Control(pDX, IDC_VERSION_DATE, m_versionDateEdit);
  DDX_Control(pDX, IDC_DOWNLOAD_SPECIFIED, m_downloadSpecifiedButton);
  DDX_Control(pDX, IDC_CURRENT_VERSION, m_currentVersionText);
}

BEGIN_MESSAGE_MAP(CZolvaneDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_BN_CLICKED(IDCANCEL, &CZolvaneDlg::OnBnClickedCancel)
  ON_BN_CLICKED(1006, &CZolvaneDlg::OnBnClickedButton1006)
  ON_BN_CLICKED(IDC_DOWNLOAD_LATEST, &CZolvaneDlg::OnBnClickedDownloadLatest)
  ON_BN_CLICKED(IDC_DOWNLOAD_SPECIFIED, &CZolvaneDlg::OnBnClickedDownloadSpecified)
  ON_BN_CLICKED(IDC_USE_SELECTED, &CZolvaneDlg::OnBnClickedUseSelected)
END_MESSAGE_MAP()

BOOL CZolvaneDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  CMenu* pSysMenu = GetSystemMenu(FALSE);
  if (pSysMenu != nullptr) {
    char szAboutMenu[64] = "";
    LoadStringA(AfxGetInstanceHandle(), IDS_ABOUTBOX, szAboutMenu, sizeof szAboutMenu);
    CString strAboutMenu = szAboutMenu;
    if (!strAboutMenu.IsEmpty()) {
      pSysMenu->AppendMenu(MF_SEPARATOR);
      pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
    }
  }
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  ApplyStartupState();
  RefreshVersionList();
  return TRUE;
}

void CZolvaneDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CZolvaneDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  CRect rect;
  GetClientRect(&rect);
  int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CZolvaneDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CZolvaneDlg::OnBnClickedCancel() { OnCancel(); }

// Kept for the button an earlier template had; no control sends it now.
void CZolvaneDlg::OnBnClickedButton1006() {}

void CZolvaneDlg::ApplyStartupState() {
  CWnd* pLink = GetDlgItem(IDC_PURCHASE_LINK);
  if (pLink != nullptr) MakeStaticHyperlink(pLink->GetSafeHwnd());
  m_downloadLatestButton.EnableWindow(TRUE);
}

void CZolvaneDlg::RefreshVersionList() {
  m_versionList.ResetContent();
  m_currentVersionText.SetWindowText(CurrentVersionLine());

  try {
    m_versionList.ResetContent();
    CFileFind finder;
    BOOL bMore = finder.FindFile("*.exe");
    while (bMore) {
      bMore = finder.FindNextFile();
      CString strTitle = finder.GetFileTitle();
      // At the top: the list shows the archives in the reverse of the search's order.
      if (ArchiveDateNumber(strTitle) > 0) m_versionList.InsertString(0, strTitle);
    }
    m_versionList.SetCurSel(0);
  } catch (CException* e) {
    e->Delete();  // the archives listed so far stay
  }
  GetDlgItem(IDC_USE_SELECTED)->EnableWindow(m_versionList.GetCount() > 0);
}
