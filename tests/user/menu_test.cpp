// Menus and the window menu: items in both text forms, positions and commands, states, the
// standard items a window's styles give it, and a picked item reaching WM_SYSCOMMAND.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "automation/target.h"
#include "user/desk_fixture.h"

namespace {

using testing_support::DeskTest;
namespace automation = platform::automation;

std::string item_text(HMENU menu, UINT which, UINT flags) {
  char buffer[64];
  int n = GetMenuStringA(menu, which, buffer, sizeof buffer, flags);
  return std::string(buffer, size_t(n));
}

// Every item as TEXT or "-" for a separator, with "(grayed)" after a grayed one.
std::vector<std::string> items_of(HMENU menu) {
  std::vector<std::string> out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
    std::string item = (state & MF_SEPARATOR) ? "-" : item_text(menu, UINT(i), MF_BYPOSITION);
    out.push_back(item + ((state & MF_GRAYED) ? " (grayed)" : ""));
  }
  return out;
}

using Menus = DeskTest;

TEST_F(Menus, ItemsByPositionAndCommandInBothTextForms) {
  HMENU menu = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  ASSERT_TRUE(IsMenu(menu));
  EXPECT_EQ(GetMenuItemCount(menu), 0);
  ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 100, "&Open\tCtrl+O"));
  ASSERT_TRUE(AppendMenuW(menu, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED, 102, "Caf\xE9"));  // windows-1252
  ASSERT_TRUE(AppendMenuW(sub, MF_STRING, 200, L"Deep"));
  ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, UINT_PTR(sub), L"More"));
  ASSERT_TRUE(InsertMenuW(menu, 0, MF_BYPOSITION | MF_STRING, 99, L"First"));
  ASSERT_TRUE(InsertMenuA(menu, 200, MF_BYCOMMAND | MF_STRING, 199, "Before deep"));  // into the submenu
  EXPECT_EQ(GetMenuItemCount(menu), 5);
  EXPECT_EQ(GetMenuItemCount(sub), 2);

  EXPECT_EQ(GetMenuItemID(menu, 0), 99u);
  EXPECT_EQ(GetMenuItemID(menu, 2), 0u);  // the separator
  EXPECT_EQ(GetMenuItemID(menu, 4), UINT(-1));  // opens a submenu
  EXPECT_EQ(GetMenuItemID(menu, 5), UINT(-1));
  EXPECT_EQ(GetSubMenu(menu, 4), sub);
  EXPECT_EQ(item_text(menu, 100, MF_BYCOMMAND), "&Open\tCtrl+O");
  EXPECT_EQ(item_text(menu, 3, MF_BYPOSITION), "Caf\xE9");
  WCHAR wide[16];
  EXPECT_EQ(GetMenuStringW(menu, 102, wide, 16, MF_BYCOMMAND), 4);
  EXPECT_EQ(wide[3], 0x00E9);
  EXPECT_EQ(item_text(menu, 199, MF_BYCOMMAND), "Before deep");  // found in the submenu
  EXPECT_EQ(GetMenuStringA(menu, 100, nullptr, 0, MF_BYCOMMAND), 12);  // the length alone
  char cut[5];
  EXPECT_EQ(GetMenuStringA(menu, 100, cut, 5, MF_BYCOMMAND), 4);
  EXPECT_STREQ(cut, "&Ope");
  EXPECT_EQ(GetMenuStringA(menu, 555, cut, 5, MF_BYCOMMAND), 0);

  EXPECT_EQ(EnableMenuItem(menu, 102, MF_BYCOMMAND | MF_ENABLED), BOOL(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(menu, 1, MF_BYPOSITION | MF_DISABLED), BOOL(MF_ENABLED));
  EXPECT_EQ(GetMenuState(menu, 100, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), UINT(MF_DISABLED));
  EXPECT_EQ(EnableMenuItem(menu, 555, MF_BYCOMMAND | MF_GRAYED), -1);

  ASSERT_TRUE(DestroyMenu(menu));
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(IsMenu(sub));  // went with its menu
  EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 1, "x"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_MENU_HANDLE));
  EXPECT_EQ(GetMenuItemCount(menu), -1);
}

HWND top_level(DWORD style, DWORD exstyle = 0) {
  return CreateWindowExW(exstyle, L"#32770", L"Menu", style, 10, 10, 200, 150, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(Menus, TheWindowMenuHasTheItemsOfTheWindowsStyles) {
  HWND full = top_level(WS_OVERLAPPEDWINDOW);
  HMENU menu = GetSystemMenu(full, FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetSystemMenu(full, FALSE), menu);  // the window's own copy
  EXPECT_EQ(items_of(menu), (std::vector<std::string>{"&Restore (grayed)", "&Move", "&Size", "Mi&nimize",
                                                       "Ma&ximize", "-", "&Close\tAlt+F4"}));
  EXPECT_EQ(GetMenuItemID(menu, 0), UINT(SC_RESTORE));
  EXPECT_EQ(GetMenuItemID(menu, 6), UINT(SC_CLOSE));

  // Without sizing frame or caption buttons, the buttonless commands are grayed.
  HWND fixed = top_level(WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(items_of(GetSystemMenu(fixed, FALSE)),
            (std::vector<std::string>{"&Restore (grayed)", "&Move", "&Size (grayed)", "Mi&nimize (grayed)",
                                      "Ma&ximize (grayed)", "-", "&Close\tAlt+F4"}));
  // A dialog's modal frame keeps Move and Close.
  HWND dialog = top_level(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME);
  HMENU dialog_menu = GetSystemMenu(dialog, FALSE);
  EXPECT_EQ(items_of(dialog_menu), (std::vector<std::string>{"&Move", "&Close\tAlt+F4"}));
  // A program's additions stay until the menu is reverted, which gives the standard items back.
  ASSERT_TRUE(AppendMenuA(dialog_menu, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenuA(dialog_menu, MF_STRING, 0x0010, "&About Zolvane..."));
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(dialog, FALSE)), 4);
  EXPECT_EQ(GetSystemMenu(dialog, TRUE), nullptr);
  EXPECT_FALSE(IsMenu(dialog_menu));
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(dialog, FALSE)), 2);

  HWND plain = top_level(WS_POPUP | WS_CAPTION);
  EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);  // no WS_SYSMENU
  for (HWND w : {plain, dialog, fixed, full}) DestroyWindow(w);
  EXPECT_FALSE(IsMenu(menu));  // went with its window
}

// Minimised, the window's menu offers Restore and no longer Minimize.
TEST_F(Menus, TheWindowMenuFollowsTheMinimisedState) {
  HWND w = top_level(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HMENU menu = GetSystemMenu(w, FALSE);
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_EQ(items_of(menu), (std::vector<std::string>{"&Restore", "&Move (grayed)", "&Size (grayed)",
                                                       "Mi&nimize (grayed)", "Ma&ximize", "-", "&Close\tAlt+F4"}));
  ShowWindow(w, SW_RESTORE);
  EXPECT_EQ(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
  EXPECT_EQ(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  DestroyWindow(w);
}

// A dialog on its own thread whose procedure records the WM_SYSCOMMANDs it sees first.
std::vector<WPARAM> g_commands;

LRESULT CALLBACK command_recorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOMMAND) {
    g_commands.push_back(wp);
    if ((wp & 0xFFF0) == 0x0010) return 0;  // the program's own item
  }
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST_F(Menus, APickedItemReachesTheWindowProcedureAsWmSysCommand) {
  ASSERT_TRUE(testing_support::register_test_class(L"CommandRecorder", command_recorder));
  g_commands.clear();
  std::atomic<HWND> window{nullptr};
  std::thread ui([&] {
    HWND w = CreateWindowExW(WS_EX_DLGMODALFRAME, L"CommandRecorder", L"Picked",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                             nullptr, nullptr);
    HMENU menu = GetSystemMenu(w, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 0x0010, "&About Zolvane...");
    window = w;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  });
  while (!window) std::this_thread::yield();
  auto handle = automation::WindowHandle(reinterpret_cast<uintptr_t>(HWND(window)));
  EXPECT_EQ(automation::pick_system_menu(handle, u"About Zolvane..."), automation::MenuPick::picked);
  EXPECT_EQ(automation::pick_system_menu(handle, u"Minimize"), automation::MenuPick::no_item);
  EXPECT_EQ(automation::pick_system_menu(handle, u"Close"), automation::MenuPick::picked);  // its text before the tab
  ui.join();
  EXPECT_EQ(g_commands, (std::vector<WPARAM>{0x0010, SC_CLOSE}));
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
