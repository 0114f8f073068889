#include "modal_owner.h"

#include "cwnd.h"

namespace framework {

ModalOwner::ModalOwner(CWnd* pParentWnd)
    : m_pOwner(CWnd::GetSafeOwner(pParentWnd)),
      m_hWndOwner(m_pOwner != nullptr ? m_pOwner->m_hWnd : nullptr),
      m_bEnableOwner(m_hWndOwner != nullptr && ::IsWindowEnabled(m_hWndOwner)) {
  if (m_bEnableOwner) ::EnableWindow(m_hWndOwner, FALSE);
}

void ModalOwner::Restore(HWND hWndModal) {
  if (hWndModal != nullptr)
    ::SetWindowPos(hWndModal, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (m_bEnableOwner) ::EnableWindow(m_hWndOwner, TRUE);
  if (m_hWndOwner != nullptr && hWndModal != nullptr && ::GetActiveWindow() == hWndModal)
    ::SetActiveWindow(m_hWndOwner);
}

}  // namespace framework
