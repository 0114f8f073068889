// Dialog data exchange: members into the controls and back through UpdateData, refused entries
// (the user told, the focus back on the control, the member kept), and a control bound to a
// member object once.
#include <gtest/gtest.h>

#include <limits.h>

#include "cdataexchange.h"
#include "cdialog.h"
#include "cedit.h"
#include "framework_unicode/controls_fixture.h"
#include "framework_unicode/controls_test.h"
#include "framework_unicode/wide_text.h"

namespace {

using unicode_testing::ControlsTest;
using unicode_testing::U;

// An edit control bound by DDX_Control, counting the calls of its subclassing.
class CountingEdit : public CEdit {
 public:
  int m_nSubclassed = 0;
  void PreSubclassWindow() override {
    ++m_nSubclassed;
    CEdit::PreSubclassWindow();
  }
};

class FormDialog : public CDialog {
 public:
  FormDialog() : CDialog(IDD_FORM) {}

  CountingEdit m_nameEdit;
  CString m_name = L"Ann";
  int m_agree = BST_CHECKED;
  int m_count = -12;
  UINT m_size = 40000;

  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_NAME, m_nameEdit);
    DDX_Text(pDX, IDC_NAME, m_name);
    DDV_MaxChars(pDX, m_name, 5);
    DDX_Check(pDX, IDC_AGREE, m_agree);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDX_Text(pDX, IDC_SIZE, m_size);
  }
};

class DataExchangeTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(form_.Create(IDD_FORM));
  }
  void TearDown() override {
    form_.DestroyWindow();
    ControlsTest::TearDown();
  }
  std::u16string Text(int nID) {
    CString text;
    form_.GetDlgItemText(nID, text);
    return U(text.GetString(), static_cast<size_t>(text.GetLength()));
  }

  FormDialog form_;
};

TEST_F(DataExchangeTest, MembersReachTheControlsAndComeBackWhenSaved) {
  EXPECT_EQ(Text(IDC_NAME), u"Ann");
  EXPECT_EQ(form_.IsDlgButtonChecked(IDC_AGREE), static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(Text(IDC_COUNT), u"-12");
  EXPECT_EQ(Text(IDC_SIZE), u"40000");
  // The length check limits the edit control when loading.
  EXPECT_EQ(form_.SendDlgItemMessage(IDC_NAME, EM_GETLIMITTEXT), 5);

  form_.SetDlgItemText(IDC_NAME, L"Bea");
  form_.CheckDlgButton(IDC_AGREE, BST_UNCHECKED);
  form_.SetDlgItemText(IDC_COUNT, L" -2147483648 ");
  form_.SetDlgItemText(IDC_SIZE, L"+4294967295");
  ASSERT_TRUE(form_.UpdateData(TRUE));
  EXPECT_EQ(U(form_.m_name.GetString()), u"Bea");
  EXPECT_EQ(form_.m_agree, BST_UNCHECKED);
  EXPECT_EQ(form_.m_count, INT_MIN);
  EXPECT_EQ(form_.m_size, 4294967295u);
  EXPECT_EQ(BoxTexts(), "");

  // A value that is no check state shows as unchecked.
  form_.m_agree = 7;
  ASSERT_TRUE(form_.UpdateData(FALSE));
  EXPECT_EQ(form_.IsDlgButtonChecked(IDC_AGREE), static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(Text(IDC_COUNT), u"-2147483648");
}

TEST_F(DataExchangeTest, BoundControlIsSubclassedOnce) {
  HWND hName = ::GetDlgItem(form_.m_hWnd, IDC_NAME);
  EXPECT_EQ(form_.m_nameEdit.m_hWnd, hName);
  EXPECT_EQ(CWnd::FromHandlePermanent(hName), &form_.m_nameEdit);
  ASSERT_TRUE(form_.UpdateData(TRUE));
  ASSERT_TRUE(form_.UpdateData(FALSE));
  EXPECT_EQ(form_.m_nameEdit.m_nSubclassed, 1);
}

TEST_F(DataExchangeTest, RefusedEntryTellsTheUserAndKeepsTheMember) {
  struct Case {
    int nID;
    const wchar_t* text;
    const char* message;
  };
  const Case cases[] = {
      {IDC_COUNT, L"12x", "Please enter an integer."},
      {IDC_COUNT, L"", "Please enter an integer."},
      {IDC_COUNT, L"2147483648", "Please enter an integer."},
      {IDC_COUNT, L"1 2", "Please enter an integer."},
      {IDC_SIZE, L"-1", "Please enter a positive integer."},
      {IDC_SIZE, L"4294967296", "Please enter a positive integer."},
      {IDC_NAME, L"Longer", "Please enter no more than 5 characters."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing_support::u8(c.text));
    ASSERT_TRUE(form_.UpdateData(FALSE));
    size_t boxes = platform::desktop::logged_boxes().size();
    form_.SetDlgItemText(c.nID, c.text);

    EXPECT_FALSE(form_.UpdateData(TRUE));
    auto shown = platform::desktop::logged_boxes();
    ASSERT_EQ(shown.size(), boxes + 1);
    EXPECT_EQ(shown.back().text, c.message);
    EXPECT_EQ(shown.back().style & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    // The focus is back on the refused control, its text selected for retyping.
    HWND hCtrl = ::GetDlgItem(form_.m_hWnd, c.nID);
    EXPECT_EQ(::GetFocus(), hCtrl);
    DWORD start = 1;
    DWORD end = 0;
    ::SendMessageW(hCtrl, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(::GetWindowTextLengthW(hCtrl)));
    EXPECT_EQ(form_.m_count, -12);
    EXPECT_EQ(form_.m_size, 40000u);
  }
}

}  // namespace
