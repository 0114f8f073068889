#include "auth_page.h"

#include <ras.h>

#include <initializer_list>

#include "cdataexchange.h"
#include "mardell_app.h"
#include "resource.h"
#include "test_connection.h"
#include "wizard_prop_sheet.h"

namespace {

const int kUnattendedAttempts = 3;
// Each attempt is a hundredth of the bar per percent: Pardex ran, the hang-up, the dial.
const int kAttemptRange = 100;
const int kAfterPardex = 33;
const int kAfterHangUp = 66;
const int kErrorTextLength = 256;

const TCHAR kTestingText[] = L"Please wait as we test your settings.";
const TCHAR kFailedText[] =
    L"Test connection failed.\nCheck your Internet connection, your VPN server,\nand your credentials and try again.";
const TCHAR kVerifiedText[] = L"Your settings have been verified. Click Next to continue.";

CString WindowText(const CWnd& wnd) {
  CString strText;
  wnd.GetWindowText(strText);
  return strText;
}

}  // namespace

CAuthPage::CAuthPage() : CWizardPage(IDD_AUTH_PAGE), m_bVerified(false), m_nAttempts(1), m_nCurrentAttempt(0) {}

BEGIN_MESSAGE_MAP(CAuthPage, CWizardPage)
  ON_BN_CLICKED(IDC_AUTH_TEST, &CAuthPage::OnTest)
  ON_MESSAGE(WM_TEST_ATTEMPT, &CAuthPage::OnTestAttempt)
  ON_MESSAGE(WM_TEST_PROGRESS, &CAuthPage::OnTestProgress)
  ON_MESSAGE(WM_TEST_RESULT, &CAuthPage::OnTestResult)
END_MESSAGE_MAP()

void CAuthPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_AUTH_TEST, m_testButton);
  DDX_Control(pDX, IDC_AUTH_PASSWORD, m_passwordEdit);
  DDX_Control(pDX, IDC_AUTH_USER, m_userEdit);
  DDX_Control(pDX, IDC_AUTH_KEY, m_keyEdit);
  DDX_Control(pDX, IDC_AUTH_PROGRESS, m_progress);
  DDX_Control(pDX, IDC_AUTH_RESULT, m_resultText);
  DDX_Control(pDX, IDC_PAGE_TEXT, m_instruction);
}

BOOL CAuthPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  const WPARAM hTextFont = reinterpret_cast<WPARAM>(GetSheet()->m_textFont.GetSafeHandle());
  for (int nID : {IDC_AUTH_USER_LABEL, IDC_AUTH_PASSWORD_LABEL, IDC_AUTH_KEY_LABEL, IDC_AUTH_USER, IDC_AUTH_PASSWORD,
                  IDC_AUTH_KEY, IDC_AUTH_RESULT})
    SendDlgItemMessage(nID, WM_SETFONT, hTextFont, TRUE);
  CMardellApp* pApp = GetMardellApp();
  m_userEdit.SetWindowText(pApp->m_cmdInfo.m_strUser);
  m_passwordEdit.SetWindowText(pApp->m_strPassword);
  m_keyEdit.SetWindowText(pApp->m_strPreSharedKey);
  return TRUE;
}

BOOL CAuthPage::OnSetActive() {
  ShowButton(ID_WIZBACK, true);
  ShowButton(ID_WIZNEXT, true);
  ShowButton(ID_WIZFINISH, false);
  ShowButton(IDCANCEL, true);
  EnableSheetButton(ID_WIZNEXT, m_bVerified);
  if (m_bVerified) FocusNext();
  UpdateData(FALSE);
  if (IsUnattended()) {
    m_nAttempts = kUnattendedAttempts;
    m_testButton.PostMessage(BM_CLICK);
  }
  m_progress.SetRange32(0, m_nAttempts * kAttemptRange);
  return CPropertyPage::OnSetActive();
}

BOOL CAuthPage::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_testButton.IsWindowEnabled()) {
    OnTest();
    return TRUE;
  }
  return CWizardPage::PreTranslateMessage(pMsg);
}

CString CAuthPage::GetUser() const { return WindowText(m_userEdit); }
CString CAuthPage::GetPassword() const { return WindowText(m_passwordEdit); }
CString CAuthPage::GetPreSharedKey() const { return WindowText(m_keyEdit); }

void CAuthPage::OnTest() {
  UpdateData(TRUE);
  SetBusy(true);
  CWizardPropSheet* pSheet = GetSheet();
  TestSettings* pSettings = new TestSettings;
  pSettings->nAttempts = static_cast<UINT>(m_nAttempts);
  pSettings->pPage = this;
  pSettings->strServer = pSheet->m_serverAddrPage.GetServerAddress(0);
  pSettings->bNoRemoteGateway = !pSheet->m_splitTunnelingPage.UsesRemoteGateway();
  pSettings->strPassword = GetPassword();
  pSettings->strPreSharedKey = GetPreSharedKey();
  pSettings->strUser = GetUser();
  if (AfxBeginThread(TestConnectionThread, pSettings) == nullptr) {
    delete pSettings;
    ShowTestFailed();
  }
}

void CAuthPage::SetBusy(bool bBusy) {
  m_userEdit.EnableWindow(!bBusy);
  m_passwordEdit.EnableWindow(!bBusy);
  m_keyEdit.EnableWindow(!bBusy);
  m_progress.ShowWindow(bBusy ? SW_SHOW : SW_HIDE);
  EnableSheetButton(ID_WIZBACK, !bBusy);
  EnableSheetButton(IDCANCEL, !bBusy);
  m_testButton.EnableWindow(!bBusy);
  if (!bBusy) return;
  m_progress.SetPos(1);
  m_resultText.SetWindowText(kTestingText);
  m_resultText.ShowWindow(SW_SHOW);
}

LRESULT CAuthPage::OnTestAttempt(WPARAM wParam, LPARAM) {
  m_nCurrentAttempt = static_cast<int>(wParam);
  return 0;
}

LRESULT CAuthPage::OnTestProgress(WPARAM wParam, LPARAM lParam) {
  if (wParam == 0) {
    if (lParam == 1) {
      m_progress.SetPos(m_nCurrentAttempt * kAttemptRange + kAfterPardex);
    } else if (IsLastAttempt()) {
      GetMardellApp()->ShowMessage(L"Unable to register a VPN Connection", L"Error");
      if (IsUnattended()) GetSheet()->EndDialog(0);
      ShowTestFailed();
    }
    return 0;
  }
  m_progress.SetPos(m_nCurrentAttempt * kAttemptRange + kAfterHangUp);
  if (lParam != 0) {
    WCHAR szError[kErrorTextLength] = {};
    ::RasGetErrorStringW(static_cast<UINT>(lParam), szError, kErrorTextLength);
    szError[kErrorTextLength - 1] = 0;
    GetMardellApp()->ShowMessage(szError, L"Non fatal error while closing sessions");
  }
  return 0;
}

LRESULT CAuthPage::OnTestResult(WPARAM wParam, LPARAM) {
  CString* pAddress = reinterpret_cast<CString*>(wParam);
  if (!pAddress->IsEmpty()) {
    m_progress.SetPos(m_nAttempts * kAttemptRange);
    m_strTestAddress = *pAddress;
    m_bVerified = true;
    MarkStepDone(true);
    m_progress.ShowWindow(SW_HIDE);
    m_instruction.ShowWindow(SW_HIDE);
    m_resultText.SetWindowText(kVerifiedText);
    EnableSheetButton(IDCANCEL, true);
    EnableSheetButton(ID_WIZBACK, true);
    EnableSheetButton(ID_WIZNEXT, true);
    FocusNext();
    if (IsUnattended()) GetSheet()->GetDlgItem(ID_WIZNEXT)->PostMessage(BM_CLICK);
  } else {
    m_progress.SetPos((m_nCurrentAttempt + 1) * kAttemptRange);
    if (IsLastAttempt()) {
      if (IsUnattended()) {
        GetMardellApp()->ShowMessage(L"Unable to authenticate user", L"Authentication Error");
        GetSheet()->EndDialog(0);
      }
      ShowTestFailed();
    }
  }
  delete pAddress;
  return 0;
}

void CAuthPage::ShowTestFailed() {
  SetBusy(false);
  m_resultText.SetWindowText(kFailedText);
}


bool CAuthPage::IsLastAttempt() const { return m_nCurrentAttempt == m_nAttempts - 1; }

void CAuthPage::EnableSheetButton(int nID, bool bEnable) const {
  if (CWnd* pButton = GetSheet()->GetDlgItem(nID)) pButton->EnableWindow(bEnable);
}

void CAuthPage::FocusNext() const {
  CWnd* pNext = GetSheet()->GetDlgItem(ID_WIZNEXT);
  if (pNext != nullptr) GetSheet()->PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pNext->GetSafeHwnd()), TRUE);
}
