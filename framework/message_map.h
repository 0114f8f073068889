// Message maps: each class that handles messages keeps a table of entries, written between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP. An entry names what it handles (a window message, or a
// command or notification with its code and control ids) and holds a small dispatcher, made by
// the entry's macro, that unpacks the message and calls the handler with its classic signature.
// A lookup walks the class's table, then its base class's, up to CCmdTarget.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <limits.h>

#include "atltypes.h"

class CCmdTarget;
class CWnd;
class CDC;

#define afx_msg

// What an entry's dispatcher gets: the message, and for commands and notifications the control
// id, the notification header and where the handler's result goes.
struct AFX_MSGARGS {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UINT nID;
  NMHDR* pNMHDR;
  LRESULT* pResult;
};

// TRUE when the entry handled the message; ON_NOTIFY_EX handlers decide for themselves.
typedef BOOL (*AFX_PMSGDISPATCH)(CCmdTarget* pTarget, AFX_MSGARGS& args);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // the window message; WM_COMMAND or WM_NOTIFY (plus WM_REFLECT_BASE when reflected)
  UINT nCode;     // the control's notification code; 0 for window messages and menu commands
  UINT nID;       // the first and last control or command id the entry takes
  UINT nLastID;
  AFX_PMSGDISPATCH pfnDispatch;  // null ends the table
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for CCmdTarget's own map
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// A command's code (CN_COMMAND) for menu items, accelerators and buttons' BN_CLICKED alike.
#define CN_COMMAND 0
// Messages a parent hands back to the control that sent them, in the control's own map.
#define WM_REFLECT_BASE 0xBC00
// Every WM_CTLCOLOR* message is looked up as this one; the handler gets the kind as nCtlColor.
#define AFX_WM_CTLCOLOR 0x0019

// The first entry of the maps from pMap up that takes the message, code and id; null if none.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

// The device context a message carries, as the framework's temporary object. A template so that
// only the classes that handle such messages need the device context class.
template <class DC = CDC>
DC* AfxDCFromMessage(WPARAM wParam) {
  return DC::FromHandle(reinterpret_cast<HDC>(wParam));
}

#define DECLARE_MESSAGE_MAP()                        \
 protected:                                          \
  static const AFX_MSGMAP* GetThisMessageMap();      \
  virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                  \
  {0, 0, 0, 0, nullptr}};                                                                  \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, messageEntries}; \
  return &messageMap;                                                                      \
  }

// The dispatcher of an entry: the body runs with `self` (the object as the map's class) and
// `args`.
#define AFX_DISPATCH_(...)                                                                        \
  []([[maybe_unused]] CCmdTarget* pTarget, [[maybe_unused]] AFX_MSGARGS& args) -> BOOL {        \
    [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(pTarget);                        \
    __VA_ARGS__                                                                                 \
  }
#define AFX_WINDOW_MESSAGE_(message, ...) {(message), 0, 0, 0, AFX_DISPATCH_(__VA_ARGS__ return TRUE;)},
#define AFX_SET_RESULT_(value) *args.pResult = static_cast<LRESULT>(value);
#define AFX_LPARAM_X_ static_cast<short>(LOWORD(args.lParam))
#define AFX_LPARAM_Y_ static_cast<short>(HIWORD(args.lParam))

// Window messages, with the handlers' classic names and signatures.
#define ON_WM_CREATE() \
  AFX_WINDOW_MESSAGE_(WM_CREATE, AFX_SET_RESULT_(self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(args.lParam))))
#define ON_WM_DESTROY() AFX_WINDOW_MESSAGE_(WM_DESTROY, self->OnDestroy();)
#define ON_WM_NCDESTROY() AFX_WINDOW_MESSAGE_(WM_NCDESTROY, self->OnNcDestroy();)
#define ON_WM_CLOSE() AFX_WINDOW_MESSAGE_(WM_CLOSE, self->OnClose();)
#define ON_WM_PAINT() AFX_WINDOW_MESSAGE_(WM_PAINT, self->OnPaint();)
#define ON_WM_ERASEBKGND() \
  AFX_WINDOW_MESSAGE_(WM_ERASEBKGND, AFX_SET_RESULT_(self->OnEraseBkgnd(AfxDCFromMessage<>(args.wParam))))
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) for every WM_CTLCOLOR* message.
#define ON_WM_CTLCOLOR()                                                                              \
  AFX_WINDOW_MESSAGE_(AFX_WM_CTLCOLOR,                                                                \
                      AFX_SET_RESULT_(reinterpret_cast<LRESULT>(self->OnCtlColor(                     \
                          AfxDCFromMessage<>(args.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(args.lParam)), \
                          args.message - WM_CTLCOLORMSGBOX))))
#define ON_WM_TIMER() AFX_WINDOW_MESSAGE_(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(args.wParam));)
#define ON_WM_SETCURSOR()                                                                            \
  AFX_WINDOW_MESSAGE_(WM_SETCURSOR,                                                                  \
                      AFX_SET_RESULT_(self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(args.wParam)), \
                                                        LOWORD(args.lParam), HIWORD(args.lParam))))
#define ON_WM_SHOWWINDOW() \
  AFX_WINDOW_MESSAGE_(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(args.wParam), static_cast<UINT>(args.lParam));)
#define ON_WM_SIZE() \
  AFX_WINDOW_MESSAGE_(WM_SIZE, self->OnSize(static_cast<UINT>(args.wParam), AFX_LPARAM_X_, AFX_LPARAM_Y_);)
#define AFX_MOUSE_MESSAGE_(message, handler) \
  AFX_WINDOW_MESSAGE_(message, self->handler(static_cast<UINT>(args.wParam), CPoint(AFX_LPARAM_X_, AFX_LPARAM_Y_));)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_MESSAGE_(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_MESSAGE_(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_MESSAGE_(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_KEYDOWN()                                                                                 \
  AFX_WINDOW_MESSAGE_(WM_KEYDOWN, self->OnKeyDown(static_cast<UINT>(args.wParam), LOWORD(args.lParam), \
                                                  HIWORD(args.lParam));)
#define AFX_FOCUS_MESSAGE_(message, handler) \
  AFX_WINDOW_MESSAGE_(message, self->handler(CWnd::FromHandle(reinterpret_cast<HWND>(args.wParam)));)
#define ON_WM_SETFOCUS() AFX_FOCUS_MESSAGE_(WM_SETFOCUS, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_FOCUS_MESSAGE_(WM_KILLFOCUS, OnKillFocus)
#define ON_WM_SYSCOMMAND() \
  AFX_WINDOW_MESSAGE_(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(args.wParam), args.lParam);)
#define ON_WM_QUERYDRAGICON() \
  AFX_WINDOW_MESSAGE_(WM_QUERYDRAGICON, AFX_SET_RESULT_(reinterpret_cast<LRESULT>(self->OnQueryDragIcon())))

// LRESULT memberFxn(WPARAM, LPARAM) for any window message.
#define ON_MESSAGE(message, memberFxn) \
  AFX_WINDOW_MESSAGE_(message, AFX_SET_RESULT_((self->*(memberFxn))(args.wParam, args.lParam)))
// void memberFxn(WPARAM, LPARAM) for a message posted to a thread (CWinThread's map).
#define ON_THREAD_MESSAGE(message, memberFxn) \
  AFX_WINDOW_MESSAGE_(message, (self->*(memberFxn))(args.wParam, args.lParam);)

// Commands: void memberFxn() for WM_COMMAND with the id (menu items, accelerators, BN_CLICKED).
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (id), (id), AFX_DISPATCH_((self->*(memberFxn))(); return TRUE;)},
// void memberFxn(UINT nID) for every id from id to idLast.
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (id), (idLast), AFX_DISPATCH_((self->*(memberFxn))(args.nID); return TRUE;)},
// void memberFxn() for a control's notification code through WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(wNotifyCode), (id), (id), AFX_DISPATCH_((self->*(memberFxn))(); return TRUE;)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
// void memberFxn() in the control's own class for a notification its parent reflects back.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                     \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(wNotifyCode), 0, 0, \
   AFX_DISPATCH_((self->*(memberFxn))(); return TRUE;)},

// Notifications through WM_NOTIFY: void memberFxn(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                          \
  {WM_NOTIFY, static_cast<UINT>(wNotifyCode), (id), (id),              \
   AFX_DISPATCH_((self->*(memberFxn))(args.pNMHDR, args.pResult); return TRUE;)},
// void memberFxn(UINT nID, NMHDR*, LRESULT*) for every id from id to idLast.
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY, static_cast<UINT>(wNotifyCode), (id), (idLast), \
   AFX_DISPATCH_((self->*(memberFxn))(args.nID, args.pNMHDR, args.pResult); return TRUE;)},
// BOOL memberFxn(UINT nID, NMHDR*, LRESULT*): FALSE lets the notification go on to the default
// handling. Id 0 takes the notification from any id (tooltips name their tool by its window).
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                   \
  {WM_NOTIFY, static_cast<UINT>(wNotifyCode), (id), ((id) == 0 ? UINT_MAX : (id)), \
   AFX_DISPATCH_(return (self->*(memberFxn))(args.nID, args.pNMHDR, args.pResult);)},
// void memberFxn(NMHDR*, LRESULT*) in the control's own class, for its reflected notification.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                    \
  {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(wNotifyCode), 0, 0, \
   AFX_DISPATCH_((self->*(memberFxn))(args.pNMHDR, args.pResult); return TRUE;)},
