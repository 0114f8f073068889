#include "ccmdtarget.h"

#include "wait_cursor.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const AFX_MSGMAP_ENTRY kNoEntries[] = {{0, 0, 0, 0, nullptr}};

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP messageMap = {nullptr, kNoEntries};
  return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
  for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnDispatch != nullptr; ++pEntry) {
      // Codes compare in their low word, as OnCmdMsg carries them.
      if (pEntry->nMessage == nMessage && LOWORD(pEntry->nCode) == LOWORD(nCode) && nID >= pEntry->nID &&
          nID <= pEntry->nLastID)
        return pEntry;
    }
  }
  return nullptr;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
  return AfxFindMessageEntry(GetMessageMap(), nMessage, nCode, nID);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT nMessage = HIWORD(nCode) != 0 ? HIWORD(nCode) : WM_COMMAND;
  const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, LOWORD(nCode), nID);
  if (pEntry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    return TRUE;
  }
  LRESULT ignored = 0;
  AFX_NOTIFY* pNotify = nMessage == WM_COMMAND || nMessage == WM_REFLECT_BASE + WM_COMMAND
                            ? nullptr
                            : static_cast<AFX_NOTIFY*>(pExtra);
  AFX_MSGARGS args = {nMessage, 0, 0, nID, pNotify != nullptr ? pNotify->pNMHDR : nullptr,
                      pNotify != nullptr ? pNotify->pResult : &ignored};
  return pEntry->pfnDispatch(this, args);
}

void CCmdTarget::BeginWaitCursor() { framework::DoWaitCursor(1); }

void CCmdTarget::EndWaitCursor() { framework::DoWaitCursor(-1); }

void CCmdTarget::RestoreWaitCursor() { framework::DoWaitCursor(0); }
