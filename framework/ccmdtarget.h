// The base of every class that takes messages or commands: it finds the handler in its message
// map and calls it. Windows route WM_COMMAND and WM_NOTIFY here through OnCmdMsg.
#pragma once

#include "cobject.h"
#include "message_map.h"

// With OnCmdMsg: the notification's header and result, for WM_NOTIFY codes.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// With OnCmdMsg: asks only whether a handler exists; it is not called.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget() = default;

  // nCode: the notification code in the low word, the message in the high word (0: WM_COMMAND;
  // WM_NOTIFY, then pExtra is an AFX_NOTIFY; or a reflected message). TRUE when handled.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // The wait cursor from Begin to End (they nest, with CWaitCursor too); Restore shows it again.
  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

 protected:
  // The entry of this object's maps, most derived first, that takes the message; null if none.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
