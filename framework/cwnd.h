// A window as an object. A CWnd attached to a window is its permanent object: the thread's handle
// map finds it from the handle, and the framework's window procedure hands the window's messages
// to it (WindowProc -> OnWndMsg -> the message map -> DefWindowProc, the window's procedure from
// before it was subclassed). FromHandle wraps a window that has no object in a temporary one,
// deleted at the thread's next idle time.
#pragma once

#include "atltypes.h"
#include "ccmdtarget.h"
#include "cstringt.h"

class CDataExchange;
class CFont;
class CMenu;
struct CCreateContext;

// RunModalLoop's flags.
#define MLF_NOIDLEMSG 0x0001    // no WM_ENTERIDLE to the owner
#define MLF_NOKICKIDLE 0x0002   // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE 0x0004   // show a hidden window when the queue first runs empty

// Sent to a window in a modal loop when the queue is empty (wParam MSGF_DIALOGBOX, lParam the
// idle count); nonzero asks for more idle time.
#define WM_KICKIDLE 0x036A

// m_nFlags.
#define WF_MODALLOOP 0x0002     // in RunModalLoop
#define WF_CONTINUEMODAL 0x0004 // the modal loop goes on until EndModalLoop

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  ~CWnd() override;

  HWND m_hWnd;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
  BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

  // The handle map of the calling thread.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  static void DeleteTempMap();
  BOOL Attach(HWND hWndNew);
  HWND Detach();

  // A null class name creates a window of the framework's own class.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                        int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();

  // Routes an existing window's messages to this object.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  // Called once the object is attached: after subclassing, and for the windows it creates,
  // before their WM_NCCREATE.
  virtual void PreSubclassWindow();
  // TRUE: the message was handled and is neither translated nor dispatched.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default handling of the message being handled.
  LRESULT Default();
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A control's chance at the notification it sends its parent, before the parent's map:
  // by default the reflected entries of the control's own map.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // After the window is gone (WM_NCDESTROY): the object is detached; windows the program
  // allocated for themselves delete themselves here.
  virtual void PostNcDestroy();

  virtual void DoDataExchange(CDataExchange* pDX);
  // TRUE: from the controls into the members (validated); FALSE: the members into the controls.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // The modal loop of dialogs and sheets: pumps the thread's messages until EndModalLoop.
  int RunModalLoop(DWORD dwFlags = 0);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int nResult);

  // The top-level window that owns dialogs for pParent, else for the main window.
  static CWnd* GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);

  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  BOOL IsChild(const CWnd* pWnd) const;
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL ShowWindow(int nCmdShow);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  UINT IsDlgButtonChecked(int nIDButton) const;

  // The font objects are the device-context classes' temporary wrappers.
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;

  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  // Over pAlternateOwner, else the owner, else the work area; kept inside the work area.
  void CenterWindow(CWnd* pAlternateOwner = nullptr);

  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void Invalidate(BOOL bErase = TRUE);
  void UpdateWindow();

  CWnd* SetFocus();
  static CWnd* GetFocus();
  static CWnd* GetActiveWindow();
  CWnd* SetActiveWindow();
  BOOL SetForegroundWindow();
  static CWnd* GetForegroundWindow();

  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
  BOOL KillTimer(UINT_PTR nIDEvent);

  // The window's icons (WM_SETICON / WM_GETICON): the big one (caption bar, Alt+Tab) or the
  // small one; SetIcon returns the one it replaced. The window does not own them.
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;
  // Minimised: shown as its icon.
  BOOL IsIconic() const;
  // The window's own copy of the system menu, as a temporary wrapper (bRevert: back to the
  // standard one, and null is returned).
  CMenu* GetSystemMenu(BOOL bRevert) const;

  // A message box owned by this window; the caption defaults to the application's name.
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // Shows the tooltips of the window's controls; made with the tooltip control class.
  BOOL EnableToolTips(BOOL bEnable = TRUE);

  // The default handlers: the window's default handling of the message.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg HCURSOR OnQueryDragIcon();

  DWORD m_nFlags;  // WF_*
  int m_nModalResult;

 protected:
  // The window procedure the window had before it was subclassed; null: ::DefWindowProc.
  WNDPROC m_pfnSuper;

  // The control's own reflected entries for the notification it sent its parent.
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  friend LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam);

  // Subclasses the attached window with the framework's window procedure.
  void SubclassAttached();
};

// The framework's window procedure: the messages of every window with a permanent object.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Attaches the window the calling thread creates next to pWnd, before its WM_NCCREATE.
void AfxHookWindowCreate(CWnd* pWnd);
// Ends the wait for that window: TRUE when a window was attached to pWnd since.
BOOL AfxUnhookWindowCreate();
// The class name for CreateEx of the framework's own windows (no background brush, the arrow
// cursor); registered the first time.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);
// The message the calling thread's message loop is handling.
MSG* AfxGetCurrentMessage();
// One message from the thread's queue through its PreTranslateMessage walk; FALSE on WM_QUIT.
BOOL AfxPumpMessage();
// The walk of PreTranslateMessage: the permanent objects from the message's window up to its
// top-level window, then the main window. TRUE when one of them handled the message.
BOOL AfxPreTranslateMessage(MSG* pMsg);
