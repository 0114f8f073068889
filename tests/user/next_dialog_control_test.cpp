// WM_NEXTDLGCTL in the password dialog (prompt, edit, OK as default, Cancel): the focus moves by
// handle or along the tab stops, the default frame follows a focused push button and returns to
// the default button, and an edit that gets the focus this way has its text selected.
#include "user/desk_fixture.h"
#include "user/resource_test.h"

namespace {

using testing_support::DeskTest;

INT_PTR CALLBACK plain_proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

class NextDialogControl : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    dlg_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, plain_proc, 0);
    ASSERT_NE(dlg_, nullptr);
    ShowWindow(dlg_, SW_SHOW);
    edit_ = GetDlgItem(dlg_, IDC_PASSWORD);
    ok_ = GetDlgItem(dlg_, IDOK);
    cancel_ = GetDlgItem(dlg_, IDCANCEL);
  }
  void TearDown() override {
    DestroyWindow(dlg_);
    DeskTest::TearDown();
  }
  static bool framed(HWND button) { return (GetWindowLongW(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON; }
  HWND dlg_ = nullptr, edit_ = nullptr, ok_ = nullptr, cancel_ = nullptr;
};

TEST_F(NextDialogControl, TheDefaultFrameFollowsAFocusedPushButtonAndComesBack) {
  SendMessageW(dlg_, WM_NEXTDLGCTL, WPARAM(edit_), TRUE);
  ASSERT_EQ(GetFocus(), edit_);
  SendMessageW(dlg_, WM_NEXTDLGCTL, 0, FALSE);
  EXPECT_EQ(GetFocus(), ok_);
  EXPECT_TRUE(framed(ok_));
  SendMessageW(dlg_, WM_NEXTDLGCTL, 0, FALSE);
  EXPECT_EQ(GetFocus(), cancel_);
  EXPECT_TRUE(framed(cancel_));
  EXPECT_FALSE(framed(ok_));
  // The dialog's default stays OK while Cancel wears the frame.
  EXPECT_EQ(SendMessageW(dlg_, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));

  SendMessageW(dlg_, WM_NEXTDLGCTL, WPARAM(edit_), TRUE);
  EXPECT_EQ(GetFocus(), edit_);
  EXPECT_TRUE(framed(ok_));
  EXPECT_FALSE(framed(cancel_));
}

TEST_F(NextDialogControl, OnlyTheLowWordOfLParamMakesWParamAHandle) {
  SetWindowTextW(edit_, L"secret");
  SendMessageW(dlg_, WM_NEXTDLGCTL, WPARAM(cancel_), TRUE);
  ASSERT_EQ(GetFocus(), cancel_);
  // Previous from Cancel is OK; wParam 1 is no handle here, whatever lParam's high word says.
  SendMessageW(dlg_, WM_NEXTDLGCTL, 1, MAKELPARAM(FALSE, 1));
  EXPECT_EQ(GetFocus(), ok_);
  SendMessageW(dlg_, WM_NEXTDLGCTL, 1, FALSE);
  EXPECT_EQ(GetFocus(), edit_);
  DWORD start = 9, end = 9;
  SendMessageW(edit_, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 6u);  // the whole text selected
  // Backwards from the first tab stop wraps to the last.
  SendMessageW(dlg_, WM_NEXTDLGCTL, 1, FALSE);
  EXPECT_EQ(GetFocus(), cancel_);
}

}  // namespace
