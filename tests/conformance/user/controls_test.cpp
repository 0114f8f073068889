// The standard controls as a dialog's procedure sees them: typing into edits (password,
// limits, numbers, read-only), their notifications, and buttons' checks and clicks.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/window_helpers.h"

namespace {

using testing_support::window_text8;

std::vector<std::pair<int, int>>& commands() {  // (id, notification code)
  static std::vector<std::pair<int, int>> log;
  return log;
}

LRESULT CALLBACK parent_proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND) commands().push_back({LOWORD(w), HIWORD(w)});
  return DefWindowProcW(h, m, w, l);
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::Test::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"ControlParent", parent_proc));
    parent_ = CreateWindowExW(0, L"ControlParent", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    commands().clear();
  }
  void TearDown() override {
    DestroyWindow(parent_);
    ::testing::Test::TearDown();
  }
  HWND make(const wchar_t* cls, DWORD style, int id, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, parent_,
                           reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
  }
  static void type(HWND edit, const char* text) {
    for (const char* c = text; *c; ++c) SendMessageW(edit, WM_CHAR, WPARAM(*c), 1);
  }
  static int count(int id, int code) {
    int n = 0;
    for (auto& c : commands()) n += c.first == id && c.second == code;
    return n;
  }
  HWND parent_ = nullptr;
};

TEST_F(Controls, PasswordEditKeepsItsTextAndShowsItsCharacter) {
  HWND edit = make(L"Edit", ES_PASSWORD | ES_AUTOHSCROLL, 10);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
  type(edit, "s3cr\x08" "et");
  EXPECT_EQ(window_text8(edit), "s3cet");
  EXPECT_EQ(count(10, EN_CHANGE), 7);  // every key that changed the text, backspace too
  SendMessageW(edit, EM_SETPASSWORDCHAR, 0x25CF, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), 0x25CF);
  // Character 0 shows the text: the control is no longer a password edit.
  SendMessageW(edit, EM_SETPASSWORDCHAR, 0, 0);
  EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, 0);
}

TEST_F(Controls, TypingHonoursTheLimitTheSelectionAndTheStyles) {
  HWND edit = make(L"Edit", 0, 11, L"abcdef");
  commands().clear();
  SendMessageW(edit, EM_SETSEL, 1, 3);
  type(edit, "X");
  EXPECT_EQ(window_text8(edit), "aXdef");
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 2u);
  SendMessageW(edit, EM_LIMITTEXT, 6, 0);
  type(edit, "YZ");
  EXPECT_EQ(window_text8(edit), "aXYdef");
  EXPECT_EQ(count(11, EN_MAXTEXT), 1);
  // The limit holds for typing, not for WM_SETTEXT.
  SetWindowTextW(edit, L"longer than six");
  EXPECT_EQ(window_text8(edit), "longer than six");
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 6);
  // Backspace at the start does nothing and says nothing.
  SendMessageW(edit, EM_SETSEL, 0, 0);
  int changes = count(11, EN_CHANGE);
  type(edit, "\x08");
  EXPECT_EQ(count(11, EN_CHANGE), changes);

  HWND number = make(L"Edit", ES_NUMBER, 12);
  type(number, "1a2-3");
  EXPECT_EQ(window_text8(number), "123");
  HWND read_only = make(L"Edit", ES_READONLY, 13, L"fixed");
  type(read_only, "zz\x08");
  EXPECT_EQ(window_text8(read_only), "fixed");
  HWND upper = make(L"Edit", ES_UPPERCASE, 14);
  type(upper, "vpn1");
  EXPECT_EQ(window_text8(upper), "VPN1");
}

TEST_F(Controls, SetTextNotifiesForSingleLineEditsOnly) {
  HWND single = make(L"Edit", 0, 20);
  HWND multi = make(L"Edit", ES_MULTILINE | ES_WANTRETURN, 21);
  commands().clear();
  SetWindowTextW(single, L"a");
  SetWindowTextW(multi, L"a");
  EXPECT_EQ(count(20, EN_CHANGE), 1);
  EXPECT_EQ(count(21, EN_CHANGE), 0);
  SendMessageW(multi, EM_SETSEL, 1, 1);
  type(multi, "\rb");
  EXPECT_EQ(window_text8(multi), "a\r\nb");
  EXPECT_EQ(SendMessageW(multi, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(multi, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
}

TEST_F(Controls, ButtonsCheckAndClickByTheirKind) {
  HWND check = make(L"Button", BS_AUTOCHECKBOX, 30);
  HWND plain_check = make(L"Button", BS_CHECKBOX, 31);
  HWND radio1 = make(L"Button", BS_AUTORADIOBUTTON | WS_GROUP, 32);
  HWND radio2 = make(L"Button", BS_AUTORADIOBUTTON, 33);
  HWND other_group = make(L"Button", BS_AUTORADIOBUTTON | WS_GROUP, 34);
  HWND push = make(L"Button", BS_PUSHBUTTON | WS_DISABLED, 35);
  commands().clear();

  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 30), UINT(BST_CHECKED));
  SendMessageW(plain_check, BM_CLICK, 0, 0);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 31), UINT(BST_UNCHECKED));  // the parent decides
  EXPECT_EQ(count(31, BN_CLICKED), 1);

  SendMessageW(other_group, BM_CLICK, 0, 0);
  SendMessageW(radio1, BM_CLICK, 0, 0);
  SendMessageW(radio2, BM_CLICK, 0, 0);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 32), UINT(BST_UNCHECKED));
  EXPECT_EQ(IsDlgButtonChecked(parent_, 33), UINT(BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(parent_, 34), UINT(BST_CHECKED));  // another group

  // A disabled button ignores the click; enabled again, Space clicks it.
  SendMessageW(push, BM_CLICK, 0, 0);
  EXPECT_EQ(count(35, BN_CLICKED), 0);
  EnableWindow(push, TRUE);
  SendMessageW(push, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(push, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(count(35, BN_CLICKED), 1);
  EXPECT_EQ(SendMessageW(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

  CheckRadioButton(parent_, 32, 33, 32);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 32), UINT(BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(parent_, 33), UINT(BST_UNCHECKED));
}

TEST_F(Controls, DisablingTheFocusedControlTakesTheFocusAway) {
  HWND edit = make(L"Edit", WS_TABSTOP, 40);
  SetFocus(edit);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetActiveWindow(), parent_);
  EXPECT_FALSE(EnableWindow(edit, FALSE));  // it was enabled
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(edit), nullptr);  // a disabled window cannot take it
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_TRUE(EnableWindow(edit, TRUE));  // it was disabled
}

}  // namespace
