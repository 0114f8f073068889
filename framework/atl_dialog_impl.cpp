#include "atl_dialog_impl.h"

thread_local CDialogImplBase* CDialogImplBase::t_pCreating = nullptr;

CDialogImplBase::~CDialogImplBase() {
  // A dialog still open when its object goes must not reach the object any more.
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
}

INT_PTR CDialogImplBase::DoModalTemplate(int nIDD, HWND hWndParent, LPARAM dwInitParam) {
  t_pCreating = this;
  INT_PTR nResult = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIDD), hWndParent, DialogProc,
                                      dwInitParam);
  t_pCreating = nullptr;  // unclaimed when the dialog could not be created
  return nResult;
}

CDialogImplBase* CDialogImplBase::Claim(HWND hWnd) {
  auto* pThis = reinterpret_cast<CDialogImplBase*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
  if (pThis != nullptr || t_pCreating == nullptr) return pThis;
  pThis = t_pCreating;
  t_pCreating = nullptr;
  pThis->m_hWnd = hWnd;
  ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(pThis));
  return pThis;
}

INT_PTR CALLBACK CDialogImplBase::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CDialogImplBase* pThis = Claim(hWnd);
  if (pThis == nullptr) return FALSE;
  LRESULT lResult = 0;
  BOOL bHandled = pThis->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, 0);
  if (uMsg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
    pThis->m_hWnd = nullptr;
  }
  if (!bHandled) return FALSE;
  switch (uMsg) {
    // These answer through the procedure's own result.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return static_cast<INT_PTR>(lResult);
    default:
      ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(lResult));
      return TRUE;
  }
}
