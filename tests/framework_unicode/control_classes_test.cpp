// The control classes against the machine's controls: each member sends its message with the
// arguments packed as the control reads them, and hands back what the control answers.
#include <gtest/gtest.h>


#include "cbutton.h"
#include "cdialog.h"
#include "cedit.h"
#include "cipaddressctrl.h"
#include "clinkctrl.h"
#include "cprogressctrl.h"
#include "cricheditctrl.h"
#include "cstatic.h"
#include "framework_unicode/controls_fixture.h"
#include "framework_unicode/controls_test.h"
#include "framework_unicode/wide_text.h"

namespace {

using unicode_testing::ControlsTest;
using unicode_testing::U;

class ControlClassesTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(parent_.Create(IDD_FORM));
  }
  void TearDown() override {
    parent_.DestroyWindow();
    ControlsTest::TearDown();
  }
  static std::u16string Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return U(text.GetString(), static_cast<size_t>(text.GetLength()));
  }

  const CRect rect_{10, 10, 150, 40};
  CDialog parent_{IDD_FORM};
};

TEST_F(ControlClassesTest, ProgressPositionMovesWithinItsRange) {
  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, rect_, &parent_, 2001));
  progress.SetRange32(10, 500);
  int lower = 0;
  int upper = 0;
  progress.GetRange(lower, upper);
  EXPECT_EQ(lower, 10);
  EXPECT_EQ(upper, 500);
  progress.SetPos(100);
  EXPECT_EQ(progress.SetStep(20), 10);  // the control's default step
  EXPECT_EQ(progress.StepIt(), 100);
  EXPECT_EQ(progress.OffsetPos(-30), 120);
  EXPECT_EQ(progress.GetPos(), 90);
  EXPECT_EQ(progress.SetPos(1000), 90);
  EXPECT_EQ(progress.GetPos(), 500);

  progress.SetRange(5, 50);
  progress.GetRange(lower, upper);
  EXPECT_EQ(lower, 5);
  EXPECT_EQ(upper, 50);
}

TEST_F(ControlClassesTest, IpAddressFieldsInBothForms) {
  CIPAddressCtrl address;
  ASSERT_TRUE(address.Create(WS_CHILD | WS_VISIBLE, rect_, &parent_, 2002));
  EXPECT_TRUE(address.IsBlank());

  address.SetAddress(192, 168, 1, 10);
  DWORD value = 0;
  EXPECT_EQ(address.GetAddress(value), 4);
  EXPECT_EQ(value, 0xC0A8010Au);
  EXPECT_FALSE(address.IsBlank());

  address.SetAddress(0x0A080002u);
  BYTE b0 = 0, b1 = 0, b2 = 0, b3 = 0;
  EXPECT_EQ(address.GetAddress(b0, b1, b2, b3), 4);
  EXPECT_EQ(b0, 10);
  EXPECT_EQ(b1, 8);
  EXPECT_EQ(b2, 0);
  EXPECT_EQ(b3, 2);

  address.ClearAddress();
  EXPECT_TRUE(address.IsBlank());
  EXPECT_EQ(address.GetAddress(value), 0);
}

TEST_F(ControlClassesTest, EditSelectionReplacementAndLimits) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect_, &parent_, 2003));
  edit.SetWindowText(L"Hello world");
  edit.SetSel(0, 5);
  int start = -1;
  int end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 5)));
  edit.ReplaceSel(L"Howdy");
  EXPECT_EQ(Text(edit), u"Howdy world");

  edit.SetSel(MAKELONG(6, 11));
  edit.GetSel(start, end);
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 11);

  edit.LimitText(3);
  EXPECT_EQ(edit.GetLimitText(), 3u);
  edit.SetPasswordChar(L'*');
  EXPECT_EQ(edit.GetPasswordChar(), L'*');
  EXPECT_TRUE(edit.SetReadOnly());
  EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
  EXPECT_TRUE(edit.SetReadOnly(FALSE));
  EXPECT_EQ(edit.GetStyle() & ES_READONLY, 0u);
}

TEST_F(ControlClassesTest, ButtonCheckAndStyle) {
  CButton check;
  ASSERT_TRUE(check.Create(L"Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, rect_, &parent_, 2004));
  EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  EXPECT_EQ(check.GetState() & BST_CHECKED, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
  check.SetButtonStyle(BS_PUSHBUTTON);
  EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_PUSHBUTTON));
}

TEST_F(ControlClassesTest, RichEditSelectionAndText) {
  CRichEditCtrl rich;
  ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, rect_, &parent_, 2005));
  rich.SetWindowText(L"abcdef");
  EXPECT_EQ(rich.GetTextLength(), 6);
  rich.SetSel(1, 3);
  CHARRANGE range = {};
  rich.GetSel(range);
  EXPECT_EQ(range.cpMin, 1);
  EXPECT_EQ(range.cpMax, 3);
  rich.ReplaceSel(L"XYZ");
  EXPECT_EQ(Text(rich), u"aXYZdef");
  long start = 0;
  long end = 0;
  rich.SetSel(0, -1);
  rich.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 7);
  EXPECT_TRUE(rich.SetReadOnly());
  EXPECT_NE(rich.GetStyle() & ES_READONLY, 0u);
}

TEST_F(ControlClassesTest, StaticShowsTheBitmapItIsGiven) {
  CStatic picture;
  ASSERT_TRUE(picture.Create(L"Picture", WS_CHILD | WS_VISIBLE | SS_BITMAP, rect_, &parent_));
  EXPECT_EQ(picture.GetDlgCtrlID(), 0xffff);
  HDC hScreen = ::GetDC(nullptr);
  HBITMAP hFirst = ::CreateCompatibleBitmap(hScreen, 8, 8);
  HBITMAP hSecond = ::CreateCompatibleBitmap(hScreen, 4, 4);
  ::ReleaseDC(nullptr, hScreen);
  EXPECT_EQ(picture.SetBitmap(hFirst), nullptr);
  EXPECT_EQ(picture.GetBitmap(), hFirst);
  EXPECT_EQ(picture.SetBitmap(hSecond), hFirst);
  EXPECT_EQ(picture.GetBitmap(), hSecond);
  picture.DestroyWindow();
  ::DeleteObject(hFirst);
  ::DeleteObject(hSecond);
}

// A parent whose map takes the link's activation.
class LinkParent : public CDialog {
 public:
  LinkParent() : CDialog(IDD_FORM) {}
  std::u16string m_activatedUrl;

  void OnLinkReturn(NMHDR* pNMHDR, LRESULT* pResult) {
    m_activatedUrl = U(reinterpret_cast<NMLINK*>(pNMHDR)->item.szUrl);
    *pResult = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkParent, CDialog)
  ON_NOTIFY(NM_RETURN, 2006, &LinkParent::OnLinkReturn)
END_MESSAGE_MAP()

TEST_F(ControlClassesTest, LinkActivationReachesTheParentsMap) {
  LinkParent parent;
  ASSERT_TRUE(parent.Create(IDD_FORM));
  CLinkCtrl link;
  ASSERT_TRUE(link.Create(L"<a href=\"https://www.example.net/\">site</a>", WS_CHILD | WS_VISIBLE, rect_, &parent,
                          2006));
  // Enter on the focused link.
  link.SendMessage(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(parent.m_activatedUrl, u"https://www.example.net/");
  parent.DestroyWindow();
}

TEST_F(ControlClassesTest, LinkItemsReadBack) {
  CLinkCtrl link;
  ASSERT_TRUE(link.Create(L"See <a id=\"home\" href=\"https://www.example.net/\">the site</a>.",
                          WS_CHILD | WS_VISIBLE, rect_, &parent_, 2006));
  LITEM item = {};
  item.mask = LIF_ITEMINDEX | LIF_ITEMID | LIF_URL;
  item.iLink = 0;
  ASSERT_TRUE(link.GetItem(&item));
  EXPECT_EQ(U(item.szID), u"home");
  EXPECT_EQ(U(item.szUrl), u"https://www.example.net/");

  item.mask = LIF_ITEMINDEX | LIF_URL;
  ::lstrcpyW(item.szUrl, L"https://updates.example.net/");
  ASSERT_TRUE(link.SetItem(&item));
  LITEM read = {};
  read.mask = LIF_ITEMINDEX | LIF_URL;
  ASSERT_TRUE(link.GetItem(&read));
  EXPECT_EQ(U(read.szUrl), u"https://updates.example.net/");
}

}  // namespace
