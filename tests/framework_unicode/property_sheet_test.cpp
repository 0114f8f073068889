// Wizards made of CPropertySheet and CPropertyPage: the page calls in the order the Back, Next,
// Finish and Cancel presses make them, what the pages' answers do (stay, jump, skip, refuse to
// finish or cancel), the sheet's own start-up, and the pages' data exchange on the way.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "cdataexchange.h"
#include "cpropertysheet.h"
#include "framework_unicode/controls_fixture.h"
#include "framework_unicode/controls_test.h"
#include "framework_unicode/wide_text.h"

namespace {

using unicode_testing::ControlsTest;
using unicode_testing::U;

// What the pages were asked, one entry per call ("one:set", "two:next", ...), and the buttons
// still to press: the next press is posted whenever a page has become active or stayed.
struct Walk {
  std::vector<std::string> calls;
  std::deque<int> presses;  // PSBTN_*
  CPropertySheet* sheet = nullptr;

  void PressNext() {
    if (presses.empty()) return;
    int button = presses.front();
    presses.pop_front();
    sheet->PressButton(button);
  }
};

template <class T>
T Take(std::deque<T>& answers, T otherwise) {
  if (answers.empty()) return otherwise;
  T answer = answers.front();
  answers.pop_front();
  return answer;
}

class WalkPage : public CPropertyPage {
 public:
  WalkPage(UINT nIDTemplate, const char* name, Walk& walk, UINT nIDCaption = 0,
           DWORD dwSize = sizeof(PROPSHEETPAGEW))
      : CPropertyPage(nIDTemplate, nIDCaption, dwSize), m_name(name), m_walk(walk) {}

  std::deque<BOOL> m_setActive;     // OnSetActive's answers in turn, then TRUE
  std::deque<LRESULT> m_next;       // OnWizardNext's, then 0
  std::deque<BOOL> m_queryCancel;   // OnQueryCancel's, then TRUE
  std::deque<BOOL> m_finish;        // OnWizardFinish's, then TRUE
  // The sheet keeps the buttons of the page before: each page sets its own.
  DWORD m_buttons = PSWIZB_BACK | PSWIZB_NEXT;
  CWnd* m_parentSeen = nullptr;
  int m_kills = 0;

  BOOL OnSetActive() override {
    Note("set");
    m_parentSeen = GetParent();
    static_cast<CPropertySheet*>(m_parentSeen)->SetWizardButtons(m_buttons);
    if (!Take(m_setActive, TRUE)) return FALSE;
    BOOL active = CPropertyPage::OnSetActive();
    m_walk.PressNext();
    return active;
  }
  BOOL OnKillActive() override {
    ++m_kills;
    return CPropertyPage::OnKillActive();
  }
  LRESULT OnWizardNext() override {
    Note("next");
    LRESULT answer = Take(m_next, LRESULT(0));
    if (answer == -1) m_walk.PressNext();
    return answer;
  }
  LRESULT OnWizardBack() override {
    Note("back");
    return CPropertyPage::OnWizardBack();
  }
  BOOL OnWizardFinish() override {
    Note("finish");
    BOOL finish = Take(m_finish, TRUE);
    if (!finish) m_walk.PressNext();
    return finish;
  }
  BOOL OnQueryCancel() override {
    Note("cancel");
    BOOL cancel = Take(m_queryCancel, TRUE);
    if (!cancel) m_walk.PressNext();
    return cancel;
  }
  void OnReset() override { Note("reset"); }

 private:
  void Note(const char* what) { m_walk.calls.push_back(m_name + ":" + what); }

  std::string m_name;
  Walk& m_walk;
};

// The first page exchanges a text and a check box with its controls.
class FormPage : public WalkPage {
 public:
  using WalkPage::WalkPage;
  CString m_text = L"Ann";
  int m_agree = BST_CHECKED;
  std::u16string m_textShown;

  BOOL OnSetActive() override {
    CString shown;
    GetDlgItemText(IDC_NAME, shown);
    m_textShown = U(shown.GetString(), static_cast<size_t>(shown.GetLength()));
    // The user's entries, read back when the page is left.
    SetDlgItemText(IDC_NAME, L"Bea");
    CheckDlgButton(IDC_AGREE, BST_UNCHECKED);
    return WalkPage::OnSetActive();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_NAME, m_text);
    DDX_Check(pDX, IDC_AGREE, m_agree);
  }
};

class WalkSheet : public CPropertySheet {
 public:
  using CPropertySheet::CPropertySheet;
  int m_inits = 0;
  CPropertyPage* m_activeAtInit = nullptr;
  bool m_nextButtonAtInit = false;

  BOOL OnInitDialog() override {
    BOOL result = CPropertySheet::OnInitDialog();
    ++m_inits;
    m_activeAtInit = GetActivePage();
    m_nextButtonAtInit = GetDlgItem(ID_WIZNEXT) != nullptr;
    return result;
  }
};

class PropertySheetTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    walk_.sheet = &sheet_;
    sheet_.AddPage(&one_);
    sheet_.AddPage(&two_);
    sheet_.AddPage(&three_);
    sheet_.SetWizardMode();
    three_.m_buttons = PSWIZB_BACK | PSWIZB_FINISH;
  }
  INT_PTR Run(std::initializer_list<int> presses) {
    walk_.presses.assign(presses);
    return sheet_.DoModal();
  }
  std::vector<std::string> Calls(std::initializer_list<const char*> calls) { return {calls.begin(), calls.end()}; }

  Walk walk_;
  WalkSheet sheet_{IDS_SHEET_CAPTION};
  FormPage one_{IDD_PAGE_ONE, "one", walk_};
  WalkPage two_{IDD_PAGE_TWO, "two", walk_};
  WalkPage three_{IDD_PAGE_THREE, "three", walk_};
};

TEST_F(PropertySheetTest, NextAndBackWalkThePagesAndFinishEndsTheWizard) {
  EXPECT_EQ(Run({PSBTN_NEXT, PSBTN_NEXT, PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH}), ID_WIZFINISH);
  EXPECT_EQ(walk_.calls, Calls({"one:set", "one:next", "two:set", "two:next", "three:set", "three:back", "two:set",
                                "two:next", "three:set", "three:finish"}));
  // The sheet attached itself: it was the pages' parent and ran its OnInitDialog once, after
  // the first page was made.
  EXPECT_EQ(one_.m_parentSeen, &sheet_);
  EXPECT_EQ(three_.m_parentSeen, &sheet_);
  EXPECT_EQ(sheet_.m_inits, 1);
  EXPECT_EQ(sheet_.m_activeAtInit, &one_);
  EXPECT_TRUE(sheet_.m_nextButtonAtInit);
  EXPECT_EQ(sheet_.m_hWnd, nullptr);
  EXPECT_EQ(one_.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, PageLeftSavesItsControlsIntoItsMembers) {
  ASSERT_EQ(Run({PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH}), ID_WIZFINISH);
  EXPECT_EQ(one_.m_textShown, u"Ann");
  EXPECT_EQ(U(one_.m_text.GetString()), u"Bea");
  EXPECT_EQ(one_.m_agree, BST_UNCHECKED);
  EXPECT_GE(one_.m_kills, 1);
}

TEST_F(PropertySheetTest, MinusOneStaysAndTemplateIdJumps) {
  one_.m_next = {-1, IDD_PAGE_THREE};
  EXPECT_EQ(Run({PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH}), ID_WIZFINISH);
  EXPECT_EQ(walk_.calls, Calls({"one:set", "one:next", "one:next", "three:set", "three:finish"}));
}

TEST_F(PropertySheetTest, RefusedPageIsPassedOver) {
  two_.m_setActive = {FALSE};
  EXPECT_EQ(Run({PSBTN_NEXT, PSBTN_FINISH}), ID_WIZFINISH);
  EXPECT_EQ(walk_.calls, Calls({"one:set", "one:next", "two:set", "three:set", "three:finish"}));
}

TEST_F(PropertySheetTest, FinishAndCancelCanBeRefused) {
  three_.m_finish = {FALSE};
  EXPECT_EQ(Run({PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH, PSBTN_FINISH}), ID_WIZFINISH);
  EXPECT_EQ(walk_.calls, Calls({"one:set", "one:next", "two:set", "two:next", "three:set", "three:finish",
                                "three:finish"}));

  walk_.calls.clear();
  one_.m_queryCancel = {FALSE};
  EXPECT_EQ(Run({PSBTN_CANCEL, PSBTN_CANCEL}), IDCANCEL);
  ASSERT_GE(walk_.calls.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(walk_.calls.begin(), walk_.calls.begin() + 3),
            Calls({"one:set", "one:cancel", "one:cancel"}));
}

TEST_F(PropertySheetTest, EndDialogGivesDoModalItsValue) {
  class EndingPage : public WalkPage {
   public:
    using WalkPage::WalkPage;
    BOOL OnSetActive() override {
      static_cast<CPropertySheet*>(GetParent())->EndDialog(42);
      return WalkPage::OnSetActive();
    }
  };
  EndingPage ending(IDD_PAGE_TWO, "ending", walk_);
  CPropertySheet sheet(L"Ends");
  sheet.AddPage(&ending);
  walk_.sheet = &sheet;
  EXPECT_EQ(sheet.DoModal(), 42);
}

// Enter typed into the page's edit: the page's PreTranslateMessage sees it before the sheet's
// dialog keys and may consume it; Enter it lets pass presses the sheet's default button, Next.
class EnterPage : public WalkPage {
 public:
  EnterPage(Walk& walk, bool bPressFromHere) : WalkPage(IDD_PAGE_ONE, "enter", walk), m_walkOwn(walk),
                                               m_bPressFromHere(bPressFromHere) {}
  int m_entersSeen = 0;
  int m_toConsume = 1;
  int m_endWith = 0;  // EndDialog with this value once an Enter is consumed
  HWND m_ownerSeen = nullptr;
  BOOL m_ownerEnabledSeen = TRUE;

  BOOL OnSetActive() override {
    m_walkOwn.calls.push_back("enter:set");
    HWND hSheet = ::GetParent(m_hWnd);
    m_ownerSeen = ::GetWindow(hSheet, GW_OWNER);
    if (m_ownerSeen != nullptr) m_ownerEnabledSeen = ::IsWindowEnabled(m_ownerSeen);
    HWND hEdit = ::GetDlgItem(m_hWnd, IDC_NAME);
    for (int i = 0; i < 2; ++i) {
      ::PostMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 1);
      ::PostMessageW(hEdit, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001));
    }
    if (m_bPressFromHere) m_walkOwn.PressNext();
    return CPropertyPage::OnSetActive();
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == ::GetDlgItem(m_hWnd, IDC_NAME)) {
      ++m_entersSeen;
      if (m_toConsume > 0) {
        --m_toConsume;
        if (m_endWith != 0) static_cast<CPropertySheet*>(GetParent())->EndDialog(m_endWith);
        return TRUE;
      }
    }
    return WalkPage::PreTranslateMessage(pMsg);
  }

 private:
  Walk& m_walkOwn;
  bool m_bPressFromHere;
};

TEST_F(PropertySheetTest, PageSeesEnterInItsEditFirstAndWhatItLetsPassPressesNext) {
  EnterPage enter(walk_, false);
  CPropertySheet sheet(L"Keys");
  sheet.SetWizardMode();
  sheet.AddPage(&enter);
  sheet.AddPage(&two_);
  sheet.AddPage(&three_);
  walk_.sheet = &sheet;
  walk_.presses = {PSBTN_NEXT, PSBTN_FINISH};
  EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
  EXPECT_EQ(enter.m_entersSeen, 2);
  // One Next from the page, not two: the consumed Enter never reached the sheet.
  EXPECT_EQ(walk_.calls, Calls({"enter:set", "enter:next", "two:set", "two:next", "three:set", "three:finish"}));
}

TEST_F(PropertySheetTest, ModalSheetDisablesItsOwnerUntilItEnds) {
  HWND hOwner = ::CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
  ASSERT_NE(hOwner, nullptr);
  CWnd owner;
  owner.Attach(hOwner);
  EnterPage enter(walk_, true);
  enter.m_toConsume = 2;  // both Enters go to the page; the Cancel after them ends the sheet
  CPropertySheet sheet(L"Owned", &owner);
  sheet.AddPage(&enter);
  walk_.sheet = &sheet;
  walk_.presses = {PSBTN_CANCEL};
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(enter.m_entersSeen, 2);
  EXPECT_EQ(enter.m_ownerSeen, hOwner);
  EXPECT_FALSE(enter.m_ownerEnabledSeen);
  EXPECT_TRUE(::IsWindowEnabled(hOwner));
  EXPECT_EQ(sheet.m_hWnd, nullptr);

  // EndDialog while the sheet runs ends its loop with that value.
  enter.m_toConsume = 1;
  enter.m_entersSeen = 0;
  enter.m_endWith = 7;
  walk_.presses = {};
  EXPECT_EQ(sheet.DoModal(), 7);
  EXPECT_EQ(enter.m_entersSeen, 1);
  EXPECT_TRUE(::IsWindowEnabled(hOwner));
  EXPECT_EQ(sheet.m_hWnd, nullptr);
  owner.Detach();
  ::DestroyWindow(hOwner);
}

TEST_F(PropertySheetTest, ModelessSheetRunsInTheProgramsOwnLoop) {
  ASSERT_TRUE(sheet_.Create());
  ASSERT_NE(sheet_.m_hWnd, nullptr);
  EXPECT_EQ(sheet_.m_inits, 1);
  EXPECT_EQ(sheet_.GetActiveIndex(), 0);
  ASSERT_TRUE(sheet_.SetActivePage(&three_));
  EXPECT_EQ(sheet_.GetActivePage(), &three_);
  EXPECT_EQ(walk_.calls, Calls({"one:set", "three:set"}));

  // Keys reach the sheet's dialog handling through the program's PreTranslateMessage.
  MSG tab = {::GetDlgItem(one_.m_hWnd, IDC_NAME), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
  EXPECT_TRUE(sheet_.PreTranslateMessage(&tab));

  sheet_.EndDialog(IDCANCEL);
  EXPECT_EQ(sheet_.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, PageRecordKeepsTheVersionAndFlagsTheProgramGave) {
  WalkPage old(IDD_PAGE_TWO, "old", walk_, IDS_PAGE_CAPTION, PROPSHEETPAGEW_V3_SIZE);
  WalkPage current(IDD_PAGE_THREE, "current", walk_);
  current.m_buttons = PSWIZB_BACK | PSWIZB_FINISH;
  old.m_psp.dwFlags |= PSP_HIDEHEADER;
  EXPECT_EQ(old.m_psp.dwSize, PROPSHEETPAGEW_V3_SIZE);
  EXPECT_EQ(old.m_psp.dwFlags, static_cast<DWORD>(PSP_USETITLE | PSP_HIDEHEADER));
  EXPECT_EQ(U(old.m_psp.pszTitle), u"Page Caption");

  CPropertySheet sheet(L"Versions");
  sheet.SetWizardMode();
  sheet.AddPage(&old);
  sheet.AddPage(&current);
  EXPECT_EQ(sheet.GetPageCount(), 2);
  EXPECT_EQ(sheet.GetPage(1), &current);
  EXPECT_EQ(sheet.GetPageIndex(&current), 1);
  walk_.sheet = &sheet;
  // The shorter record comes first: the sheet finds the second only by stepping by that size.
  walk_.presses = {PSBTN_NEXT, PSBTN_FINISH};
  EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
  EXPECT_EQ(walk_.calls, Calls({"old:set", "old:next", "current:set", "current:finish"}));
  EXPECT_EQ(old.m_psp.dwFlags, static_cast<DWORD>(PSP_USETITLE | PSP_HIDEHEADER));
}

}  // namespace
