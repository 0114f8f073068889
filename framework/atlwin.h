// Windows of the template library: CWindow wraps a window handle; a class's message map
// (BEGIN_MSG_MAP ... END_MSG_MAP) is its ProcessWindowMessage, which hands each message to the
// first handler that matches it and tells whether one handled it. A handler may clear bHandled
// to let the entries after it, and the default handling, see the message too.
#pragma once

#include <windows.h>

class CWindow {
 public:
  CWindow(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
  operator HWND() const { return m_hWnd; }

  // Centres the window over hWndCenter, else over its owner; over the work area of the screen
  // when there is none or it is hidden. The window stays inside the work area.
  BOOL CenterWindow(HWND hWndCenter = nullptr);
  HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
  UINT GetDlgItemText(int nID, LPWSTR lpStr, int nMaxCount) const {
    return ::GetDlgItemTextW(m_hWnd, nID, lpStr, nMaxCount);
  }

  HWND m_hWnd;
};

class CMessageMap {
 public:
  virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                    DWORD dwMsgMapID) = 0;

 protected:
  ~CMessageMap() = default;
};

#define BEGIN_MSG_MAP(theClass)                                                                   \
 public:                                                                                          \
  BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult, \
                            DWORD dwMsgMapID = 0) {                                               \
    BOOL bHandled = TRUE;                                                                         \
    (void)hWnd;                                                                                   \
    (void)uMsg;                                                                                   \
    (void)wParam;                                                                                 \
    (void)lParam;                                                                                 \
    (void)lResult;                                                                                \
    (void)bHandled;                                                                               \
    switch (dwMsgMapID) {                                                                         \
      case 0:

// func(uMsg, wParam, lParam, bHandled)
#define MESSAGE_HANDLER(msg, func)                  \
  if (uMsg == (msg)) {                              \
    bHandled = TRUE;                                \
    lResult = func(uMsg, wParam, lParam, bHandled); \
    if (bHandled) return TRUE;                      \
  }

// func(wNotifyCode, wID, hWndCtl, bHandled), for the WM_COMMAND of control id with code.
#define COMMAND_HANDLER(id, code, func)                                                        \
  if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {              \
    bHandled = TRUE;                                                                           \
    lResult = func(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), bHandled); \
    if (bHandled) return TRUE;                                                                 \
  }

#define CHAIN_MSG_MAP(theChainClass) \
  if (theChainClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, 0)) return TRUE;

#define END_MSG_MAP() \
  break;              \
  default:            \
    break;            \
    }                 \
    return FALSE;     \
    }
