#include "cdialog.h"

#include "modal_owner.h"
#include "resource_instance.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_nIDHelp(0),
      m_lpszTemplateName(nullptr),
      m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr),
      m_pParentWnd(nullptr) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog() {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCE(nIDTemplate), pParentWnd) {}

CDialog::~CDialog() = default;

BOOL CDialog::CreateDlg(CWnd* pParentWnd) {
  HINSTANCE hInstance = framework::ResourceInstance();
  HWND hWndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  AfxHookWindowCreate(this);
  HWND hWnd = m_lpDialogTemplate != nullptr
                  ? ::CreateDialogIndirectParam(hInstance, m_lpDialogTemplate, hWndParent, &AfxDlgProc, 0)
                  : ::CreateDialogParam(hInstance, m_lpszTemplateName, hWndParent, &AfxDlgProc, 0);
  if (!AfxUnhookWindowCreate()) PostNcDestroy();
  return hWnd != nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  m_lpDialogTemplate = nullptr;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
    m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
  m_pParentWnd = pParentWnd;
  return CreateDlg(pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
  InitModalIndirect(lpDialogTemplate, pParentWnd, lpDialogInit);
  return CreateDlg(pParentWnd);
}

BOOL CDialog::InitModalIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
  m_lpDialogTemplate = lpDialogTemplate;
  m_lpDialogInit = lpDialogInit;
  m_pParentWnd = pParentWnd;
  return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
  framework::ModalOwner owner(m_pParentWnd);
  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;  // EndDialog in OnInitDialog ends the dialog before its loop
  if (CreateDlg(owner.Window()) && (m_nFlags & WF_CONTINUEMODAL))
    RunModalLoop(MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0));
  m_nFlags &= ~WF_CONTINUEMODAL;
  owner.Restore(m_hWnd);
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
  ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  const bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                     (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  return input && ::IsDialogMessage(m_hWnd, pMsg);
}

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog))) return TRUE;
  return static_cast<CDialog*>(pWnd)->OnInitDialog();
}
