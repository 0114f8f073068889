#include "server_addr_page.h"

#include <shellapi.h>

#include "cdataexchange.h"
#include "check_server_address.h"
#include "cwinthread.h"
#include "mardell_app.h"
#include "resource.h"
#include "wizard_prop_sheet.h"

namespace {

// Posted by the worker when every entered server has been checked.
const UINT WM_SERVERS_VALIDATED = WM_APP + 1;

const wchar_t kPleaseWait[] = L"This process will take a few moments, please be patient.";
const wchar_t kSucceeded[] = L"Validation succeded Click Next to proceed";
const wchar_t kFailed[] = L"Validation failed, verify information and try again";
const wchar_t kRefused[] = L"Failed to respond to a ping";

// Made by OnValidate, owned and freed by the worker.
struct ServerValidationRequest {
  CString strServers[CServerAddrPage::MaxServers];  // trimmed; empty for a field left empty
  DWORD dwEntered = 0;                              // bit i: field i holds more than blanks
  HWND hPage = nullptr;                             // receives the result
};

UINT ValidateServersThread(LPVOID pParam) {
  ServerValidationRequest* pRequest = static_cast<ServerValidationRequest*>(pParam);
  DWORD dwPassed = 0;
  for (int i = 0; i < CServerAddrPage::MaxServers; ++i) {
    DWORD dwBit = 1u << i;
    if ((pRequest->dwEntered & dwBit) && CheckServerAddress(pRequest->strServers[i])) dwPassed |= dwBit;
  }
  ::PostMessageW(pRequest->hPage, WM_SERVERS_VALIDATED, dwPassed, pRequest->dwEntered);
  delete pRequest;
  return 0;
}

}  // namespace

CServerAddrPage::CServerAddrPage() : CWizardPage(IDD_SERVER_ADDR_PAGE), m_bValidated(false) {}

BEGIN_MESSAGE_MAP(CServerAddrPage, CWizardPage)
  ON_BN_CLICKED(IDC_VALIDATE_SERVERS, &CServerAddrPage::OnValidate)
  ON_MESSAGE(WM_SERVERS_VALIDATED, &CServerAddrPage::OnValidationDone)
  ON_EN_CHANGE(IDC_SERVER1, &CServerAddrPage::OnServerChange)
  ON_EN_CHANGE(IDC_SERVER2, &CServerAddrPage::OnServerChange)
  ON_EN_CHANGE(IDC_SERVER3, &CServerAddrPage::OnServerChange)
  ON_NOTIFY_EX(TTN_GETDISPINFOW, 0, &CServerAddrPage::OnToolTipText)
  ON_NOTIFY(NM_CLICK, IDC_SERVER_LINK, &CServerAddrPage::OnLinkClick)
END_MESSAGE_MAP()

void CServerAddrPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_VALIDATE_SERVERS, m_validateButton);
  for (int i = 0; i < MaxServers; ++i) DDX_Control(pDX, IDC_SERVER_ICON1 + i, m_icons[i]);
  DDX_Control(pDX, IDC_SERVER_STATUS, m_status);
  for (int i = 0; i < MaxServers; ++i) DDX_Control(pDX, IDC_SERVER1 + i, m_servers[i]);
  DDX_Control(pDX, IDC_SERVER_LINK, m_link);
}

BOOL CServerAddrPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  WPARAM hTextFont = reinterpret_cast<WPARAM>(GetSheet()->m_textFont.GetSafeHandle());
  const int texts[] = {IDC_SERVER_LABEL1, IDC_SERVER_LABEL2, IDC_SERVER_LABEL3, IDC_SERVER_STATUS,
                       IDC_SERVER1,       IDC_SERVER2,       IDC_SERVER3};
  for (int nID : texts) SendDlgItemMessage(nID, WM_SETFONT, hTextFont, TRUE);
  const CWizardCommandLineInfo& cmdInfo = GetMardellApp()->m_cmdInfo;
  for (int i = 0; i < MaxServers; ++i) m_servers[i].SetWindowText(cmdInfo.m_strServers[i]);
  return TRUE;
}

BOOL CServerAddrPage::OnSetActive() {
  EnableToolTips(TRUE);
  for (CStatic& icon : m_icons) icon.EnableToolTips(TRUE);
  // Unattended, the servers are taken as they stand: the forward press must find Next enabled
  // (and Next marks the step done).
  bool bUnattended = IsUnattended();
  BOOL bResult = ActivateWith(true, true, false);
  CWnd* pNext = GetNextButton();
  CWnd* pFocus = &m_servers[0];
  if (m_bValidated || bUnattended) pFocus = pNext;
  if (pNext != nullptr) pNext->EnableWindow(pFocus == pNext);
  if (pFocus != nullptr) GetSheet()->PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pFocus->GetSafeHwnd()), TRUE);
  // A server that the authentication page has tested can no longer be changed.
  if (GetSheet()->m_authPage.m_bVerified) EnableFields(FALSE);
  return bResult;
}

BOOL CServerAddrPage::PreTranslateMessage(MSG* pMsg) {
  if (!m_bValidated && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    HWND hFocus = ::GetFocus();
    for (const CEdit& field : m_servers) {
      if (hFocus == field.GetSafeHwnd() && field.IsWindowEnabled()) {
        OnValidate();
        return TRUE;
      }
    }
  }
  return CWizardPage::PreTranslateMessage(pMsg);
}

CString CServerAddrPage::GetServerAddress(int i) const {
  CString strServer;
  GetDlgItemText(IDC_SERVER1 + i, strServer);
  strServer.Trim();
  return strServer;
}

void CServerAddrPage::OnValidate() {
  UpdateData(TRUE);
  EnableFields(FALSE);
  m_status.SetWindowText(kPleaseWait);
  m_status.ShowWindow(SW_SHOW);
  m_link.ShowWindow(SW_HIDE);

  ServerValidationRequest* pRequest = new ServerValidationRequest;
  pRequest->hPage = m_hWnd;
  for (int i = 0; i < MaxServers; ++i) {
    CString strServer = GetServerAddress(i);
    if (strServer.IsEmpty()) continue;
    pRequest->dwEntered |= 1u << i;
    pRequest->strServers[i] = strServer;
    m_strToolTips[i].Empty();
  }
  CWnd* pNext = GetNextButton();
  if (pNext != nullptr) pNext->EnableWindow(FALSE);
  DWORD dwEntered = pRequest->dwEntered;
  // Without a worker nothing could be checked: every server counts as failed.
  if (AfxBeginThread(ValidateServersThread, pRequest) == nullptr) {
    delete pRequest;
    PostMessage(WM_SERVERS_VALIDATED, 0, dwEntered);
  }
}

LRESULT CServerAddrPage::OnValidationDone(WPARAM wParam, LPARAM lParam) {
  DWORD dwPassed = static_cast<DWORD>(wParam);
  DWORD dwEntered = static_cast<DWORD>(lParam);
  CWizardPropSheet* pSheet = GetSheet();
  EnableFields(TRUE);
  for (int i = 0; i < MaxServers; ++i) {
    DWORD dwBit = 1u << i;
    if (i > 0 && !(dwEntered & dwBit)) {
      m_icons[i].SetBitmap(nullptr);
    } else if (dwPassed & dwBit) {
      m_icons[i].SetBitmap(static_cast<HBITMAP>(pSheet->m_tickBitmap.GetSafeHandle()));
      if (i == 0) m_bValidated = true;
    } else {
      // Also an empty primary field.
      m_icons[i].SetBitmap(static_cast<HBITMAP>(pSheet->m_crossBitmap.GetSafeHandle()));
      m_bValidated = false;
      pSheet->PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_servers[i].GetSafeHwnd()), TRUE);
      m_strToolTips[i] = kRefused;
    }
  }
  if (m_bValidated) {
    m_status.SetWindowText(kSucceeded);
    CWnd* pNext = GetNextButton();
    if (pNext != nullptr) {
      pNext->EnableWindow(TRUE);
      pSheet->PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pNext->GetSafeHwnd()), TRUE);
    }
    MarkStepDone(true);
  } else {
    m_status.SetWindowText(kFailed);
    m_link.ShowWindow(SW_SHOW);
  }
  return 0;
}

void CServerAddrPage::OnServerChange() {
  if (!m_bValidated) return;
  CWnd* pNext = GetNextButton();
  if (pNext != nullptr) pNext->EnableWindow(FALSE);
  MarkStepDone(false);
  m_bValidated = false;
}

BOOL CServerAddrPage::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
  NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
  UINT_PTR nTool = pNMHDR->idFrom;
  if (pInfo->uFlags & TTF_IDISHWND) nTool = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nTool)));
  for (int i = 0; i < MaxServers; ++i) {
    if (nTool != static_cast<UINT_PTR>(IDC_SERVER1 + i) || m_strToolTips[i].IsEmpty()) continue;
    const int nRoom = static_cast<int>(sizeof pInfo->szText / sizeof pInfo->szText[0]);
    ::lstrcpynW(pInfo->szText, m_strToolTips[i], nRoom);
    *pResult = 0;
    return TRUE;
  }
  return FALSE;
}

void CServerAddrPage::OnLinkClick(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMLINK* pLink = reinterpret_cast<const NMLINK*>(pNMHDR);
  ::ShellExecuteW(nullptr, L"open", pLink->item.szUrl, nullptr, nullptr, SW_SHOWNORMAL);
  *pResult = 0;
}

void CServerAddrPage::EnableFields(BOOL bEnable) {
  m_validateButton.EnableWindow(bEnable);
  for (CEdit& field : m_servers) field.EnableWindow(bEnable);
}

CWnd* CServerAddrPage::GetNextButton() const { return GetSheet()->GetDlgItem(ID_WIZNEXT); }
