#include "final_config_page.h"

#include "any_connection.h"
#include "cdataexchange.h"
#include "cwinthread.h"
#include "install_thread.h"
#include "mardell_app.h"
#include "resource.h"
#include "shell_delete_file.h"
#include "wizard_prop_sheet.h"

namespace {

// Posted by the page to itself once a connection is seen.
const UINT WM_CONNECTION_UP = WM_APP + 1;

const UINT_PTR kWaitTimer = 1;
const UINT kTickMs = 250;
const int kMaxTicks = 480;     // two minutes
const int kTicksPerStep = 12;  // the bar moves from 60 to 100 over the wait
const int kWrittenPos = 30;
const int kStartedPos = 60;
const int kConnectedPos = 100;

}  // namespace

CFinalConfigPage::CFinalConfigPage() : CWizardPage(IDD_FINAL_CONFIG_PAGE), m_nTicks(0), m_bWaiting(false) {}

BEGIN_MESSAGE_MAP(CFinalConfigPage, CWizardPage)
  ON_MESSAGE(WM_INSTALL_PROGRESS, &CFinalConfigPage::OnInstallProgress)
  ON_MESSAGE(WM_CONNECTION_UP, &CFinalConfigPage::OnConnectionUp)
  ON_WM_TIMER()
END_MESSAGE_MAP()

void CFinalConfigPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FINAL_PROGRESS, m_progress);
}

BOOL CFinalConfigPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  m_progress.SetRange(0, 100);
  m_progress.SetStep(1);
  return TRUE;
}

BOOL CFinalConfigPage::OnSetActive() {
  BOOL bResult = ActivateWith(false, false, false, false);
  InstallSettings* pSettings = new InstallSettings;
  FillInstallSettings(*pSettings);
  // Without its worker the file is never written.
  if (AfxBeginThread(InstallThread, pSettings) == nullptr) {
    delete pSettings;
    PostMessage(WM_INSTALL_PROGRESS, InstallBatchWritten, 0);
  }
  return bResult;
}

void CFinalConfigPage::FillInstallSettings(InstallSettings& settings) const {
  CWizardPropSheet* pSheet = GetSheet();
  for (int i = 0; i < InstallSettings::MaxServers; ++i)
    settings.strServers[i] = pSheet->m_serverAddrPage.GetServerAddress(i);
  settings.strUser = pSheet->m_authPage.GetUser();
  settings.strPassword = pSheet->m_authPage.GetPassword();
  settings.strPreSharedKey = pSheet->m_authPage.GetPreSharedKey();
  for (int i = 0; i < InstallSettings::MaxRouters; ++i) settings.strRouters[i] = pSheet->m_routerAddrPage.m_strRouters[i];
  settings.strRequiredIp = pSheet->m_addrAssignmentPage.GetRequiredIp();
  settings.hPage = m_hWnd;
  settings.bNoRemoteGateway = !pSheet->m_splitTunnelingPage.UsesRemoteGateway();
}

void CFinalConfigPage::RewriteInstallBatch() const {
  // Deleted first: a short file that cannot be written leaves no file rather than the full one.
  ShellDeleteFile(kInstallBatchName);
  InstallSettings settings;
  FillInstallSettings(settings);
  WriteInstallBatch(settings, true);
}

LRESULT CFinalConfigPage::OnInstallProgress(WPARAM wParam, LPARAM lParam) {
  if (wParam == InstallBatchWritten) {
    if (lParam != 0) {
      m_progress.SetPos(kWrittenPos);
    } else {
      StopWithError(L"Unable to create installation batch file");
    }
  } else if (wParam == InstallBatchStarted) {
    if (lParam > 32) {
      m_progress.SetPos(kStartedPos);
      m_nTicks = 0;
      m_bWaiting = true;
      SetTimer(kWaitTimer, kTickMs, nullptr);
    } else {
      // Nothing will run the file: its credentials must not stay on disk.
      RewriteInstallBatch();
      StopWithError(L"Unable to run installation batch file");
    }
  }
  return 0;
}

void CFinalConfigPage::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kWaitTimer && m_bWaiting) OnWaitTick();
  CWizardPage::OnTimer(nIDEvent);
}

void CFinalConfigPage::OnWaitTick() {
  ++m_nTicks;
  if (m_nTicks % kTicksPerStep == 0) m_progress.StepIt();
  // Looked for before the time-out, so that a connection at the last tick still counts.
  if (IsAnyConnectionActive()) {
    m_bWaiting = false;
    KillTimer(kWaitTimer);
    m_progress.SetPos(kConnectedPos);
    PostMessage(WM_CONNECTION_UP);
    return;
  }
  if (m_nTicks < kMaxTicks) return;
  m_bWaiting = false;
  KillTimer(kWaitTimer);
  RewriteInstallBatch();
  CWizardPropSheet* pSheet = GetSheet();
  if (IsUnattended()) {
    GetMardellApp()->ShowMessage(L"Setup failed. Check Tarvolt.txt for more details.", L"Error");
    pSheet->EndDialog(0);
  }
  pSheet->SetActivePage(&pSheet->m_errorPage);
}

LRESULT CFinalConfigPage::OnConnectionUp(WPARAM, LPARAM) {
  RewriteInstallBatch();
  MarkStepDone(true);
  GetSheet()->EndDialog(ID_WIZFINISH);
  return 0;
}

void CFinalConfigPage::StopWithError(LPCTSTR lpszText) {
  GetMardellApp()->ShowMessage(lpszText, L"Error");
  if (IsUnattended()) GetSheet()->EndDialog(0);
}
