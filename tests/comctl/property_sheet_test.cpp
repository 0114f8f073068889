// Property sheets in wizard mode: the pages' answers to the sheet's notifications decide where
// Back, Next, Finish and Cancel go; the PSM_ messages and the keyboard drive the same buttons.
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "automation/target.h"
#include "comctl/comctl_fixture.h"
#include "comctl/dialog_template_builder.h"

namespace {

using comctl_test::ComctlTest;
using comctl_test::TemplateBuilder;
using testing_support::window_text8;

constexpr int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025;
constexpr int kPages = 4;
constexpr int kFirstEdit = 100;  // page i's edit control is kFirstEdit + i

// What the pages hear and how they answer; one script for the test that runs.
struct Script {
  std::vector<std::pair<int, UINT>> heard;     // page, notification code
  std::map<std::pair<int, UINT>, LRESULT> answers;  // default 0
  std::map<int, std::function<void(HWND sheet)>> on_active;  // runs in the page's PSN_SETACTIVE
  std::vector<LPARAM> init_lparams;            // each page's WM_INITDIALOG record's lParam
  std::vector<std::vector<BYTE>> init_tails;   // the bytes after the current record version
};

Script& script() {
  static Script s;
  return s;
}

int page_of(HWND page) { return int(GetWindowLongPtrW(page, DWLP_USER)); }

INT_PTR CALLBACK page_proc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lp);
    SetWindowLongPtrW(page, DWLP_USER, psp->lParam);
    script().init_lparams.push_back(psp->lParam);
    const BYTE* tail = reinterpret_cast<const BYTE*>(psp) + sizeof(PROPSHEETPAGEW);
    size_t extra = psp->dwSize > sizeof(PROPSHEETPAGEW) ? psp->dwSize - sizeof(PROPSHEETPAGEW) : 0;
    script().init_tails.emplace_back(tail, tail + extra);
    return TRUE;
  }
  if (msg != WM_NOTIFY) return FALSE;
  const auto* n = reinterpret_cast<const NMHDR*>(lp);
  const int index = page_of(page);
  script().heard.emplace_back(index, n->code);
  auto action = script().on_active.find(index);
  if (n->code == PSN_SETACTIVE && action != script().on_active.end()) action->second(n->hwndFrom);
  auto answer = script().answers.find({index, n->code});
  SetWindowLongPtrW(page, DWLP_MSGRESULT, answer == script().answers.end() ? 0 : answer->second);
  return TRUE;
}

class Wizard : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    script() = Script{};
    for (int i = 0; i < kPages; ++i) {
      std::u16string title = u"Step " + std::u16string(1, char16_t(u'1' + i));
      templates_.emplace_back(WS_POPUP | WS_CAPTION, title.c_str(), short(200 + 20 * i), 120);
      templates_.back().item(u"Edit", WORD(kFirstEdit + i), 10, 10, 100, 14, WS_TABSTOP | WS_BORDER);
    }
    for (int i = 0; i < kPages; ++i) records_.push_back(record(i));
  }
  void TearDown() override {
    if (IsWindow(sheet_)) DestroyWindow(sheet_);
    ComctlTest::TearDown();
  }

  PROPSHEETPAGEW record(int i) const {
    PROPSHEETPAGEW p{};
    p.dwSize = sizeof(p);
    p.dwFlags = PSP_DLGINDIRECT;
    p.pResource = templates_[size_t(i)].get();
    p.pfnDlgProc = page_proc;
    p.lParam = i;
    return p;
  }
  PROPSHEETHEADERW header(DWORD flags) const {
    PROPSHEETHEADERW h{};
    h.dwSize = sizeof(h);
    h.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | flags;
    h.hwndParent = parent_;
    h.pszCaption = L"Setup";
    h.nPages = UINT(records_.size());
    h.ppsp = records_.data();
    return h;
  }
  // A modeless wizard, driven by the test's own message pump.
  void open(DWORD flags = 0) {
    PROPSHEETHEADERW h = header(PSH_MODELESS | flags);
    sheet_ = reinterpret_cast<HWND>(PropertySheetW(&h));
    ASSERT_NE(sheet_, nullptr);
    pump();
    script().heard.clear();
  }
  void pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
      if (!PropSheet_IsDialogMessage(sheet_, &m)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
      }
  }
  int current() const {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet_);
    return page ? page_of(page) : -1;
  }
  void click(int id) {
    PostMessageW(GetDlgItem(sheet_, id), BM_CLICK, 0, 0);
    pump();
  }
  void key(UINT vk) {
    HWND focused = GetFocus();
    PostMessageW(focused, WM_KEYDOWN, vk, 0);
    PostMessageW(focused, WM_KEYUP, vk, 0);
    pump();
  }
  HWND button(int id) const { return GetDlgItem(sheet_, id); }
  LRESULT name_of(int i) const { return reinterpret_cast<LRESULT>(templates_[size_t(i)].get()); }
  static std::vector<std::pair<int, UINT>> heard() { return script().heard; }

  std::vector<TemplateBuilder> templates_;
  std::vector<PROPSHEETPAGEW> records_;
  HWND sheet_ = nullptr;
};

TEST_F(Wizard, TheSheetHoldsTheLargestPageAboveItsButtons) {
  records_[2].dwFlags |= PSP_PREMATURE;
  open();
  WCHAR cls[32];
  ASSERT_GT(GetClassNameW(sheet_, cls, 32), 0);
  EXPECT_EQ(testing_support::U(cls), u"#32770");
  EXPECT_EQ(window_text8(sheet_), "Step 1");  // a wizard shows its page's title
  for (int id : {kBack, kNext, kFinish, IDCANCEL, IDHELP}) EXPECT_NE(button(id), nullptr) << id;
  EXPECT_TRUE(IsWindowVisible(button(kBack)));
  EXPECT_TRUE(IsWindowVisible(button(kNext)));
  EXPECT_TRUE(IsWindowVisible(button(IDCANCEL)));
  EXPECT_FALSE(IsWindowVisible(button(kFinish)));
  EXPECT_FALSE(IsWindowVisible(button(IDHELP)));  // no PSH_HASHELP, no page with help
  EXPECT_EQ(window_text8(button(kNext)), "&Next >");
  EXPECT_EQ(LOWORD(SendMessageW(sheet_, DM_GETDEFID, 0, 0)), kNext);

  HWND page = PropSheet_GetCurrentPageHwnd(sheet_);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), sheet_);
  EXPECT_TRUE(GetWindowLongW(page, GWL_STYLE) & WS_CHILD);
  EXPECT_FALSE(GetWindowLongW(page, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(GetWindowLongW(page, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  // The page area takes the largest page: the last one is 60 dialog units wider than the first.
  RECT largest{0, 0, 200 + 20 * (kPages - 1), 120}, page_rect, next_rect, sheet_client;
  MapDialogRect(sheet_, &largest);
  GetWindowRect(page, &page_rect);
  GetWindowRect(button(kNext), &next_rect);
  GetClientRect(sheet_, &sheet_client);
  EXPECT_EQ(page_rect.right - page_rect.left, largest.right);
  EXPECT_LE(page_rect.bottom, next_rect.top);
  EXPECT_GE(sheet_client.right, largest.right);
  // Pages are made when first shown, premature ones with the sheet.
  EXPECT_EQ(PropSheet_IndexToHwnd(sheet_, 1), nullptr);
  ASSERT_NE(PropSheet_IndexToHwnd(sheet_, 2), nullptr);
  EXPECT_FALSE(IsWindowVisible(PropSheet_IndexToHwnd(sheet_, 2)));
  EXPECT_EQ(GetFocus(), GetDlgItem(page, kFirstEdit));
}

// A plain wizard keeps a 7-unit margin around its pages, below them too: the separator and the
// button row come under that margin. Wizard97 pages fill the sheet from its corner.
TEST_F(Wizard, PlainWizardPagesSitInAMarginAboveTheSeparatorAndTheButtons) {
  auto in_sheet = [this](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, sheet_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  open();
  const int cx = 200 + 20 * (kPages - 1), cy = 120;
  RECT area{7, 7, 7 + cx, 7 + cy + 7}, client;
  MapDialogRect(sheet_, &area);
  RECT page = in_sheet(PropSheet_GetCurrentPageHwnd(sheet_));
  RECT separator = in_sheet(GetDlgItem(sheet_, 0x3026));
  RECT next = in_sheet(button(kNext));
  EXPECT_EQ(page.left, area.left);
  EXPECT_EQ(page.top, area.top);
  EXPECT_GE(separator.top, area.bottom);
  EXPECT_GT(next.top, separator.bottom);
  GetClientRect(sheet_, &client);
  RECT width{0, 0, 7 + cx + 7, 0};
  MapDialogRect(sheet_, &width);
  EXPECT_EQ(client.right, width.right);
  EXPECT_GT(client.bottom, next.bottom);
  DestroyWindow(sheet_);

  open(PSH_WIZARD97);
  page = in_sheet(PropSheet_GetCurrentPageHwnd(sheet_));
  EXPECT_EQ(page.left, 0);
  EXPECT_EQ(page.top, 0);
}

TEST_F(Wizard, HelpShowsForAPageWithHelpAndTheHeaderFlag) {
  records_[0].dwFlags |= PSP_HASHELP;
  open();
  EXPECT_TRUE(IsWindowVisible(button(IDHELP)));
  EXPECT_TRUE(IsWindowEnabled(button(IDHELP)));
  click(kNext);
  EXPECT_FALSE(IsWindowEnabled(button(IDHELP)));  // page 2 has none
}

TEST_F(Wizard, NextAndBackFollowThePagesAnswers) {
  open();
  click(kNext);
  EXPECT_EQ(current(), 1);
  using H = std::vector<std::pair<int, UINT>>;
  EXPECT_EQ(heard(), (H{{0, PSN_WIZNEXT}, {0, PSN_KILLACTIVE}, {1, PSN_SETACTIVE}}));
  EXPECT_EQ(window_text8(sheet_), "Step 2");
  EXPECT_EQ(GetFocus(), GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet_), kFirstEdit + 1));

  script().answers[{1, PSN_WIZNEXT}] = -1;  // stays
  click(kNext);
  EXPECT_EQ(current(), 1);

  script().answers[{1, PSN_WIZNEXT}] = name_of(3);  // jumps over page 3
  script().heard.clear();
  click(kNext);
  EXPECT_EQ(current(), 3);
  EXPECT_EQ(heard(), (H{{1, PSN_WIZNEXT}, {1, PSN_KILLACTIVE}, {3, PSN_SETACTIVE}}));
  EXPECT_FALSE(IsWindowVisible(PropSheet_IndexToHwnd(sheet_, 1)));

  click(kBack);
  EXPECT_EQ(current(), 2);
  script().answers[{2, PSN_WIZBACK}] = name_of(0);
  click(kBack);
  EXPECT_EQ(current(), 0);
  script().answers[{0, PSN_WIZBACK}] = -1;
  click(kBack);  // nothing before the first page
  EXPECT_EQ(current(), 0);
}

TEST_F(Wizard, APageRefusingActivationIsSkippedInTheDirectionOfTravel) {
  script().answers[{1, PSN_SETACTIVE}] = -1;
  script().answers[{2, PSN_SETACTIVE}] = -1;
  open();
  click(kNext);
  EXPECT_EQ(current(), 3);
  click(kBack);
  EXPECT_EQ(current(), 0);

  // A page answering with another page's template sends the sheet there instead.
  script().answers[{1, PSN_SETACTIVE}] = name_of(2);
  script().answers[{2, PSN_SETACTIVE}] = 0;
  click(kNext);
  EXPECT_EQ(current(), 2);
}

TEST_F(Wizard, APageThatKeepsTheFocusOnKillActiveStays) {
  open();
  script().answers[{0, PSN_KILLACTIVE}] = TRUE;
  click(kNext);
  EXPECT_EQ(current(), 0);
  EXPECT_EQ(PropSheet_IndexToHwnd(sheet_, 1), nullptr);  // never made: activation did not start
  EXPECT_FALSE(PropSheet_SetCurSel(sheet_, nullptr, 2));
  script().answers[{0, PSN_KILLACTIVE}] = FALSE;
  script().heard.clear();
  EXPECT_TRUE(PropSheet_SetCurSel(sheet_, nullptr, 2));
  EXPECT_EQ(current(), 2);
  using H = std::vector<std::pair<int, UINT>>;
  EXPECT_EQ(heard(), (H{{0, PSN_KILLACTIVE}, {2, PSN_SETACTIVE}}));
  EXPECT_TRUE(PropSheet_SetCurSel(sheet_, PropSheet_IndexToPage(sheet_, 1), 3));  // the handle wins
  EXPECT_EQ(current(), 1);
  EXPECT_TRUE(SendMessageW(sheet_, PSM_SETCURSELID, 0, name_of(3)));
  EXPECT_EQ(current(), 3);
  EXPECT_EQ(PropSheet_IdToIndex(sheet_, name_of(2)), 2);
  EXPECT_EQ(PropSheet_HwndToIndex(sheet_, PropSheet_GetCurrentPageHwnd(sheet_)), 3);
}

TEST_F(Wizard, CancelAsksTheCurrentPageThenResetsEveryPageMade) {
  open();
  click(kNext);
  script().answers[{1, PSN_QUERYCANCEL}] = TRUE;
  script().heard.clear();
  click(IDCANCEL);
  EXPECT_EQ(current(), 1);
  using H = std::vector<std::pair<int, UINT>>;
  EXPECT_EQ(heard(), (H{{1, PSN_QUERYCANCEL}}));

  script().answers[{1, PSN_QUERYCANCEL}] = FALSE;
  script().heard.clear();
  key(VK_ESCAPE);
  EXPECT_EQ(heard(), (H{{1, PSN_QUERYCANCEL}, {0, PSN_RESET}, {1, PSN_RESET}}));
  EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet_), nullptr);  // a modeless sheet is done
  EXPECT_EQ(PropSheet_GetResult(sheet_), 0);
}

TEST_F(Wizard, WizButtonsEnableBackAndNextAndPutFinishInPlaceOfNext) {
  open();
  click(kNext);
  PropSheet_SetWizButtons(sheet_, PSWIZB_NEXT);
  EXPECT_TRUE(IsWindowEnabled(button(kBack)));  // posted: not yet
  pump();
  EXPECT_FALSE(IsWindowEnabled(button(kBack)));
  EXPECT_TRUE(IsWindowEnabled(button(kNext)));
  click(kBack);
  EXPECT_EQ(current(), 1);

  SendMessageW(sheet_, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK);
  EXPECT_TRUE(IsWindowEnabled(button(kBack)));
  EXPECT_FALSE(IsWindowEnabled(button(kNext)));
  key(VK_RETURN);  // the default button is disabled
  EXPECT_EQ(current(), 1);

  SendMessageW(sheet_, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_FINISH);
  EXPECT_FALSE(IsWindowVisible(button(kNext)));
  EXPECT_TRUE(IsWindowVisible(button(kFinish)));
  EXPECT_TRUE(IsWindowEnabled(button(kFinish)));
  EXPECT_EQ(LOWORD(SendMessageW(sheet_, DM_GETDEFID, 0, 0)), kFinish);
  RECT next, finish;
  GetWindowRect(button(kNext), &next);
  GetWindowRect(button(kFinish), &finish);
  EXPECT_EQ(next.left, finish.left);

  SendMessageW(sheet_, PSM_SETWIZBUTTONS, 0, PSWIZB_DISABLEDFINISH);
  EXPECT_TRUE(IsWindowVisible(button(kFinish)));
  EXPECT_FALSE(IsWindowEnabled(button(kFinish)));
  SendMessageW(sheet_, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
  EXPECT_TRUE(IsWindowVisible(button(kNext)));
  EXPECT_FALSE(IsWindowVisible(button(kFinish)));
  EXPECT_EQ(LOWORD(SendMessageW(sheet_, DM_GETDEFID, 0, 0)), kNext);
}

TEST_F(Wizard, FinishTextShowsFinishAloneAndEnterPressesIt) {
  open();
  PropSheet_SetFinishTextW(sheet_, L"&Done");
  EXPECT_EQ(window_text8(button(kFinish)), "&Done");
  EXPECT_TRUE(IsWindowVisible(button(kFinish)));
  EXPECT_TRUE(IsWindowEnabled(button(kFinish)));
  EXPECT_FALSE(IsWindowVisible(button(kNext)));
  EXPECT_FALSE(IsWindowVisible(button(kBack)));

  script().answers[{0, PSN_WIZFINISH}] = TRUE;  // not yet
  key(VK_RETURN);
  EXPECT_EQ(current(), 0);
  using H = std::vector<std::pair<int, UINT>>;
  EXPECT_EQ(heard(), (H{{0, PSN_WIZFINISH}}));
  script().answers[{0, PSN_WIZFINISH}] = FALSE;
  key(VK_RETURN);
  EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet_), nullptr);
  EXPECT_EQ(PropSheet_GetResult(sheet_), 1);
}

TEST_F(Wizard, EnterPressesNextFromThePagesControls) {
  open();
  ASSERT_EQ(GetFocus(), GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet_), kFirstEdit));
  key(VK_RETURN);
  EXPECT_EQ(current(), 1);
  key(VK_RETURN);
  EXPECT_EQ(current(), 2);
}

TEST_F(Wizard, TabRunsFromTheButtonsIntoTheShownPageAndBackOut) {
  open();
  click(kNext);  // page 1 shows; page 0 stays made, hidden
  HWND edit = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet_), kFirstEdit + 1);
  ASSERT_EQ(GetFocus(), edit);
  auto shift = [this](bool down) {
    PostMessageW(GetFocus(), down ? WM_KEYDOWN : WM_KEYUP, VK_SHIFT, 0);
    pump();
  };
  std::vector<HWND> forward;
  for (int i = 0; i < 4; ++i) {
    key(VK_TAB);
    forward.push_back(GetFocus());
  }
  // The buttons come first in the sheet; the hidden Finish and Help and the hidden page are passed.
  EXPECT_EQ(forward, (std::vector<HWND>{button(kBack), button(kNext), button(IDCANCEL), edit}));
  std::vector<HWND> backward;
  shift(true);
  for (int i = 0; i < 4; ++i) {
    key(VK_TAB);
    backward.push_back(GetFocus());
  }
  shift(false);
  EXPECT_EQ(backward, (std::vector<HWND>{button(IDCANCEL), button(kNext), button(kBack), edit}));
  key(VK_TAB);
  EXPECT_EQ(GetFocus(), button(kBack));
}

TEST_F(Wizard, PressButtonActsOnceTheMessageLoopGetsThere) {
  open();
  PropSheet_PressButton(sheet_, PSBTN_NEXT);
  SendMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  EXPECT_EQ(current(), 0);
  pump();
  EXPECT_EQ(current(), 2);
  PropSheet_PressButton(sheet_, PSBTN_BACK);
  pump();
  EXPECT_EQ(current(), 1);
  SendMessageW(sheet_, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK);
  PropSheet_PressButton(sheet_, PSBTN_NEXT);  // disabled: nothing
  pump();
  EXPECT_EQ(current(), 1);
  PropSheet_PressButton(sheet_, PSBTN_CANCEL);
  pump();
  EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet_), nullptr);
}

TEST_F(Wizard, PagesComeAndGo) {
  open();
  click(kNext);
  ASSERT_EQ(current(), 1);
  PropSheet_RemovePage(sheet_, 0, nullptr);
  EXPECT_EQ(current(), 1);  // still the same page, now at index 0
  EXPECT_EQ(PropSheet_HwndToIndex(sheet_, PropSheet_GetCurrentPageHwnd(sheet_)), 0);
  PropSheet_RemovePage(sheet_, 0, nullptr);  // the current one: the next takes its place
  EXPECT_EQ(current(), 2);
  PROPSHEETPAGEW again = record(0);
  HPROPSHEETPAGE added = CreatePropertySheetPageW(&again);
  ASSERT_NE(added, nullptr);
  EXPECT_TRUE(PropSheet_AddPage(sheet_, added));
  EXPECT_EQ(PropSheet_PageToIndex(sheet_, added), 2);
  click(kNext);
  click(kNext);
  EXPECT_EQ(current(), 0);
}

// The automation channel sees the pages' controls among the sheet's and drives them.
TEST_F(Wizard, AutomationListsAndDrivesThePagesControls) {
  namespace automation = platform::automation;
  auto handle = [](HWND h) { return automation::WindowHandle(reinterpret_cast<uintptr_t>(h)); };
  open();
  HWND edit = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet_), kFirstEdit);
  std::vector<automation::WindowInfo> listed = automation::controls(handle(sheet_));
  auto listed_has = [&](HWND h) {
    return std::any_of(listed.begin(), listed.end(),
                       [&](const automation::WindowInfo& w) { return w.hwnd == handle(h); });
  };
  EXPECT_TRUE(listed_has(edit));
  EXPECT_TRUE(listed_has(button(kNext)));
  ASSERT_TRUE(automation::type_text(handle(edit), u"vpn1.example.net"));
  ASSERT_TRUE(automation::click(handle(button(kNext))));
  pump();
  EXPECT_EQ(current(), 1);
  EXPECT_EQ(window_text8(edit), "vpn1.example.net");
  EXPECT_FALSE(automation::click(handle(edit)));  // its page is hidden now
}

// A modal wizard driven from its own pages, the way an unattended program runs it.
TEST_F(Wizard, AModalWizardRunsToFinishAndReturnsOne) {
  script().on_active[0] = [](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_NEXT); };
  script().on_active[1] = [](HWND sheet) { PostMessageW(GetDlgItem(sheet, kNext), BM_CLICK, 0, 0); };
  script().on_active[2] = [](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_NEXT); };
  script().on_active[3] = [](HWND sheet) {
    PropSheet_SetWizButtons(sheet, PSWIZB_BACK | PSWIZB_FINISH);
    PropSheet_PressButton(sheet, PSBTN_FINISH);
  };
  PROPSHEETHEADERW h = header(0);
  EXPECT_EQ(PropertySheetW(&h), 1);
  EXPECT_EQ(script().init_lparams, (std::vector<LPARAM>{0, 1, 2, 3}));
  EXPECT_TRUE(IsWindowEnabled(parent_));  // the owner was given back
}

TEST_F(Wizard, AModalWizardEndsWithEndDialogOrCancel) {
  script().on_active[1] = [](HWND sheet) { EndDialog(sheet, 7); };
  script().on_active[0] = [](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_NEXT); };
  PROPSHEETHEADERW h = header(0);
  EXPECT_EQ(PropertySheetW(&h), 7);

  script() = Script{};
  script().on_active[0] = [](HWND sheet) { PostMessageW(sheet, WM_CLOSE, 0, 0); };
  EXPECT_EQ(PropertySheetW(&h), 0);
}

TEST_F(Wizard, TheStartPageAndTheSheetCallback) {
  static std::vector<UINT> calls;
  calls.clear();
  PROPSHEETHEADERW h = header(PSH_MODELESS | PSH_USECALLBACK);
  h.nStartPage = 2;
  h.pfnCallback = [](HWND hwnd, UINT msg, LPARAM lp) -> int {
    calls.push_back(msg);
    if (msg == PSCB_PRECREATE) {
      EXPECT_EQ(hwnd, nullptr);
      reinterpret_cast<DLGTEMPLATE*>(lp)->style &= ~DWORD(WS_SYSMENU);
    } else {
      EXPECT_NE(PropSheet_GetCurrentPageHwnd(hwnd), nullptr);  // pages are there by then
    }
    return 0;
  };
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&h));
  ASSERT_NE(sheet_, nullptr);
  EXPECT_EQ(calls, (std::vector<UINT>{PSCB_PRECREATE, PSCB_INITIALIZED}));
  EXPECT_FALSE(GetWindowLongW(sheet_, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(current(), 2);
}

// Page records: every version's size, records of several versions back to back, the program's
// own data after a record, and the page callback over the page's life.
class PageRecords : public Wizard {};

TEST_F(PageRecords, EachVersionIsTakenAndAShorterSizeRefused) {
  for (UINT size : {PROPSHEETPAGEW_V1_SIZE, PROPSHEETPAGEW_V2_SIZE, PROPSHEETPAGEW_V3_SIZE, PROPSHEETPAGEW_V4_SIZE}) {
    PROPSHEETPAGEW p = record(0);
    p.dwSize = size;
    HPROPSHEETPAGE page = CreatePropertySheetPageW(&p);
    EXPECT_NE(page, nullptr) << size;
    EXPECT_TRUE(DestroyPropertySheetPage(page));
  }
  // The 32-bit figure of the first version is too short for this machine's record.
  for (UINT size : {0u, 40u, PROPSHEETPAGEW_V1_SIZE - 1}) {
    PROPSHEETPAGEW p = record(0);
    p.dwSize = size;
    EXPECT_EQ(CreatePropertySheetPageW(&p), nullptr) << size;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  }
  PROPSHEETHEADERW h = header(PSH_MODELESS);
  h.dwSize = 40;
  EXPECT_EQ(PropertySheetW(&h), -1);
  h.dwSize = PROPSHEETHEADERW_V1_SIZE;
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&h));
  EXPECT_NE(sheet_, nullptr);
}

TEST_F(PageRecords, RecordsOfSeveralVersionsStandBackToBack) {
  constexpr size_t kTail = 8;
  const UINT sizes[] = {PROPSHEETPAGEW_V1_SIZE, PROPSHEETPAGEW_V3_SIZE, UINT(sizeof(PROPSHEETPAGEW) + kTail)};
  std::vector<BYTE> buffer;
  for (int i = 0; i < 3; ++i) {
    PROPSHEETPAGEW p = record(i);
    p.dwSize = sizes[i];
    size_t at = buffer.size();
    buffer.resize(at + sizes[i], 0xAB);  // the program's own bytes after the last record
    std::memcpy(buffer.data() + at, &p, std::min<size_t>(sizes[i], sizeof(p)));
  }
  PROPSHEETHEADERW h = header(PSH_MODELESS);
  h.nPages = 3;
  h.ppsp = reinterpret_cast<LPCPROPSHEETPAGEW>(buffer.data());
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&h));
  ASSERT_NE(sheet_, nullptr);
  pump();
  click(kNext);
  click(kNext);
  EXPECT_EQ(current(), 2);
  EXPECT_EQ(script().init_lparams, (std::vector<LPARAM>{0, 1, 2}));
  ASSERT_EQ(script().init_tails.size(), 3u);
  EXPECT_EQ(script().init_tails[2], std::vector<BYTE>(kTail, 0xAB));
}

TEST_F(PageRecords, TheCallbackAndTheParentsCountFollowThePage) {
  static std::vector<UINT> calls;
  static UINT refuse_create = 0;
  calls.clear();
  UINT references = 0;
  PROPSHEETPAGEW p = record(1);
  p.dwFlags |= PSP_USECALLBACK | PSP_USEREFPARENT;
  p.pcRefParent = &references;
  p.pfnCallback = [](HWND, UINT msg, PROPSHEETPAGEW* psp) -> UINT {
    calls.push_back(msg);
    EXPECT_EQ(psp->lParam, 1);
    return msg == PSPCB_CREATE ? !refuse_create : 1;
  };
  HPROPSHEETPAGE handles[] = {CreatePropertySheetPageW(&records_[0]), CreatePropertySheetPageW(&p)};
  EXPECT_EQ(references, 1u);
  PROPSHEETHEADERW h = header(PSH_MODELESS);
  h.dwFlags &= ~DWORD(PSH_PROPSHEETPAGE);
  h.nPages = 2;
  h.phpage = handles;
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&h));
  ASSERT_NE(sheet_, nullptr);
  pump();
  refuse_create = 1;
  click(kNext);
  EXPECT_EQ(current(), 0);  // the page could not be made
  refuse_create = 0;
  click(kNext);
  EXPECT_EQ(current(), 1);
  DestroyWindow(sheet_);  // the sheet's pages go with it
  EXPECT_EQ(calls, (std::vector<UINT>{PSPCB_ADDREF, PSPCB_CREATE, PSPCB_CREATE, PSPCB_RELEASE}));
  EXPECT_EQ(references, 0u);
}

}  // namespace
