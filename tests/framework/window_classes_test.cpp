// The 8-bit window classes in a dialog from resources: the list box, the system menu, the
// icons, the minimised state, and what becomes of an exception a handler lets through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdataexchange.h"
#include "cdc.h"
#include "cfileexception.h"
#include "cdialog.h"
#include "cinternetexception.h"
#include "clistbox.h"
#include "cmenu.h"
#include "cuserexception.h"
#include "cwinapp.h"
#include "framework/window_test.h"
#include "machine/desktop_log.h"
#include "user/desk_fixture.h"

namespace {

class CPickerDlg : public CDialog {
 public:
  CPickerDlg() : CDialog(IDD_PICKER) {}

  CListBox m_list;
  std::vector<UINT> m_commands;
  HICON m_hDragIcon = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_ITEMS, m_list); }
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam) {
    m_commands.push_back(nID);
    if ((nID & 0xFFF0) != 0x0010) CDialog::OnSysCommand(nID, lParam);
  }
  afx_msg HCURSOR OnQueryDragIcon() { return m_hDragIcon; }
  afx_msg void OnFail() { AfxThrowInternetException(2, ERROR_INTERNET_TIMEOUT); }
  afx_msg void OnFailQuietly() { AfxThrowUserException(); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPickerDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_QUERYDRAGICON()
  ON_BN_CLICKED(IDC_FAIL, &CPickerDlg::OnFail)
  ON_BN_CLICKED(IDC_FAIL_QUIETLY, &CPickerDlg::OnFailQuietly)
END_MESSAGE_MAP()

class WindowClassesTest : public testing_support::DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    ASSERT_TRUE(m_dialog.Create(IDD_PICKER));
  }
  void TearDown() override {
    m_dialog.DestroyWindow();
    DeskTest::TearDown();
  }
  void Click(int nID) {
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                         reinterpret_cast<LPARAM>(::GetDlgItem(m_dialog, nID)));
  }
  std::string Text(int nIndex) {
    CString strText;
    m_dialog.m_list.GetText(nIndex, strText);
    return std::string(strText);
  }

  CPickerDlg m_dialog;
};

TEST_F(WindowClassesTest, TheListBoxKeepsItsItemsWhereTheyArePut) {
  CListBox& list = m_dialog.m_list;
  ASSERT_NE(list.m_hWnd, nullptr) << "bound by the data exchange";
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetCurSel(), LB_ERR);
  // Inserted items stay where they are put, sorted style or not; added ones are sorted in.
  EXPECT_EQ(list.InsertString(0, "tarvolt20260101"), 0);
  EXPECT_EQ(list.InsertString(0, "tarvolt20261209"), 0);
  EXPECT_EQ(list.InsertString(-1, "beta"), 2);
  EXPECT_EQ(list.AddString("alpha"), 0);
  EXPECT_EQ(list.GetCount(), 4);
  EXPECT_EQ(Text(0), "alpha");
  EXPECT_EQ(Text(1), "tarvolt20261209");
  EXPECT_EQ(Text(2), "tarvolt20260101");
  EXPECT_EQ(Text(3), "beta");
  EXPECT_EQ(Text(4), "") << "out of range";
  EXPECT_EQ(list.GetTextLen(1), 15);
  char szText[32];
  EXPECT_EQ(list.GetText(2, szText), 15);
  EXPECT_STREQ(szText, "tarvolt20260101");
  EXPECT_EQ(list.GetText(9, szText), LB_ERR);

  EXPECT_EQ(list.FindStringExact(-1, "TARVOLT20260101"), 2) << "without regard to case";
  EXPECT_EQ(list.FindStringExact(-1, "tarvolt"), LB_ERR);
  EXPECT_EQ(list.FindString(-1, "tarvolt"), 1) << "a prefix";
  EXPECT_EQ(list.FindString(1, "tarvolt"), 2);
  EXPECT_EQ(list.SelectString(-1, "be"), 3);
  EXPECT_EQ(list.GetCurSel(), 3);
  EXPECT_EQ(list.SetCurSel(1), 1);
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_NE(list.SetItemData(1, 42), LB_ERR);
  EXPECT_EQ(list.GetItemData(1), 42u);

  EXPECT_EQ(list.DeleteString(0), 3);
  EXPECT_EQ(Text(0), "tarvolt20261209");
  EXPECT_EQ(list.DeleteString(7), LB_ERR);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(WindowClassesTest, TheSystemMenuTakesNewCommandsThatReachOnSysCommand) {
  CMenu* pSysMenu = m_dialog.GetSystemMenu(FALSE);
  ASSERT_NE(pSysMenu, nullptr);
  EXPECT_EQ(m_dialog.GetSystemMenu(FALSE), pSysMenu) << "one wrapper per handle until idle time";
  int nItems = pSysMenu->GetMenuItemCount();
  EXPECT_GT(nItems, 0);
  EXPECT_TRUE(pSysMenu->AppendMenu(MF_SEPARATOR));
  EXPECT_TRUE(pSysMenu->AppendMenu(MF_STRING, 0x0010, "&About Picker..."));
  EXPECT_EQ(pSysMenu->GetMenuItemCount(), nItems + 2);
  EXPECT_EQ(pSysMenu->GetMenuItemID(nItems), 0u) << "the separator";
  EXPECT_EQ(pSysMenu->GetMenuItemID(nItems + 1), 0x0010u);
  CString strItem;
  EXPECT_EQ(pSysMenu->GetMenuString(0x0010, strItem, MF_BYCOMMAND), 16);
  EXPECT_EQ(std::string(strItem), "&About Picker...");
  EXPECT_EQ(pSysMenu->GetMenuString(nItems + 1, strItem, MF_BYPOSITION), 16);
  EXPECT_EQ(pSysMenu->GetMenuString(0x7777, strItem, MF_BYCOMMAND), 0);
  EXPECT_TRUE(strItem.IsEmpty());

  // The temporary wrapper goes at idle time; the menu stays the window's.
  HMENU hSysMenu = pSysMenu->GetSafeHmenu();
  CMenu::DeleteTempMap();
  EXPECT_EQ(::GetMenuItemCount(hSysMenu), nItems + 2);

  m_dialog.SendMessage(WM_SYSCOMMAND, 0x0010);
  EXPECT_EQ(m_dialog.m_commands, std::vector<UINT>{0x0010u});
  EXPECT_FALSE(m_dialog.IsIconic());
  m_dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
  EXPECT_TRUE(m_dialog.IsIconic()) << "passed on to the default handling";
  m_dialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_FALSE(m_dialog.IsIconic());
}

TEST_F(WindowClassesTest, MenusMadeByTheObjectGoWithIt) {
  HMENU hMenu;
  {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    hMenu = menu;
    EXPECT_EQ(CMenu::FromHandle(hMenu), &menu) << "its permanent wrapper";
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 7, "Seven"));
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 6, "Six"));
    EXPECT_EQ(menu.GetMenuItemID(0), 6u);
    EXPECT_EQ(menu.EnableMenuItem(7, MF_GRAYED), UINT(MF_ENABLED));
    EXPECT_EQ(menu.GetMenuState(7, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
  }
  EXPECT_FALSE(::IsMenu(hMenu));
  CMenu detached;
  ASSERT_TRUE(detached.CreateMenu());
  HMENU hKept = detached.Detach();
  EXPECT_EQ(detached.GetSafeHmenu(), nullptr);
  EXPECT_TRUE(::IsMenu(hKept));
  EXPECT_NE(CMenu::FromHandle(hKept), &detached);
  CMenu::DeleteTempMap();
  EXPECT_TRUE(::IsMenu(hKept)) << "a temporary wrapper never destroys its menu";
  ::DestroyMenu(hKept);
}

TEST_F(WindowClassesTest, IconsOfTheApplicationAndTheWindow) {
  CWinApp app("Picker");
  HICON hIcon = app.LoadIcon(IDR_PICKER_ICON);
  ASSERT_NE(hIcon, nullptr);
  EXPECT_EQ(app.LoadIcon(IDR_PICKER_ICON + 50), nullptr);
  EXPECT_EQ(m_dialog.GetIcon(TRUE), nullptr);
  EXPECT_EQ(m_dialog.SetIcon(hIcon, TRUE), nullptr);
  EXPECT_EQ(m_dialog.SetIcon(hIcon, FALSE), nullptr);
  EXPECT_EQ(m_dialog.GetIcon(TRUE), hIcon);
  EXPECT_EQ(m_dialog.GetIcon(FALSE), hIcon);
  EXPECT_EQ(m_dialog.SetIcon(nullptr, FALSE), hIcon);

  EXPECT_EQ(m_dialog.SendMessage(WM_QUERYDRAGICON), 0) << "the handler's answer";
  m_dialog.m_hDragIcon = hIcon;
  EXPECT_EQ(reinterpret_cast<HICON>(m_dialog.SendMessage(WM_QUERYDRAGICON)), hIcon);

  // Drawn at its own size.
  HDC hDC = ::GetDC(m_dialog);
  CDC* pDC = CDC::FromHandle(hDC);
  EXPECT_TRUE(pDC->DrawIcon(0, 0, hIcon));
  EXPECT_EQ(::GetPixel(hDC, 16, 16), RGB(200, 30, 30));
  EXPECT_EQ(::GetPixel(hDC, 2, 2), RGB(30, 60, 200));
  EXPECT_FALSE(pDC->DrawIcon(0, 0, nullptr));
  CDC::DeleteTempMap();
  ::ReleaseDC(m_dialog, hDC);
}

TEST_F(WindowClassesTest, AnExceptionAHandlerLetsThroughIsReportedWithTheStopIcon) {
  Click(IDC_FAIL);
  auto boxes = platform::desktop::logged_boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "The operation timed out\r\n");
  EXPECT_EQ(boxes[0].style & MB_ICONMASK, UINT(MB_ICONSTOP));
  EXPECT_TRUE(::IsWindow(m_dialog)) << "the dialog goes on";

  // A user exception was reported by whoever threw it.
  Click(IDC_FAIL_QUIETLY);
  EXPECT_EQ(platform::desktop::logged_boxes().size(), 1u);

  CFileException noText(CFileException::none);
  EXPECT_EQ(noText.ReportError(MB_OK), IDOK);
  CInternetException unknown(ERROR_FILE_NOT_FOUND);
  unknown.ReportError(MB_ICONEXCLAMATION);
  boxes = platform::desktop::logged_boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[1].text, "No error occurred with an unnamed file.");
  EXPECT_EQ(boxes[2].text, "No error message is available.");
}

}  // namespace
