// A menu (HMENU). A menu the object made or attached is destroyed with it; FromHandle gives the
// thread's permanent wrapper of a handle or a temporary one, deleted at the thread's idle time,
// that never destroys the menu (a window's system menu, say).
#pragma once

#include <windows.h>

#include "cobject.h"
#include "cstringt.h"

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)

 public:
  CMenu() : m_hMenu(nullptr) {}
  ~CMenu() override;

  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  BOOL operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }

  static CMenu* FromHandle(HMENU hMenu);
  static void DeleteTempMap();
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL DestroyMenu();

  // nFlags: MF_STRING, MF_SEPARATOR, MF_POPUP (nIDNewItem the submenu's handle), MF_GRAYED, ...
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  // Before the item nPosition names (MF_BYPOSITION or MF_BYCOMMAND in nFlags).
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  // The item's previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED), or -1 when it is missing.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  // -1 for a handle that is no menu.
  int GetMenuItemCount() const;
  // The command id at the position: 0 for a separator, -1 for a submenu or a position out of
  // range.
  UINT GetMenuItemID(int nPos) const;
  // The item's text with its "&"; its length (0 when it has none or is missing).
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  // The submenu at the position, as a wrapper; null when the item opens none.
  CMenu* GetSubMenu(int nPos) const;

  HMENU m_hMenu;

 private:
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
};
