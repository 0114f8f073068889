// The ListBox class: where items go (sorted or not), the selection and what the parent hears of
// it, the text messages in both forms with their errors, keys and clicks, a dialog template's
// LISTBOX, and how a list box looks.
#include <string>
#include <vector>

#include "user/desk_fixture.h"
#include "user/list_box_test.h"

namespace {

using testing_support::DeskTest;
using testing_support::u8;

constexpr int kListId = 42;

std::vector<WORD> g_notifications;  // WM_COMMAND codes from the list box, in order

LRESULT CALLBACK parent_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && LOWORD(wp) == kListId) g_notifications.push_back(HIWORD(wp));
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LPARAM text(const char16_t* s) { return reinterpret_cast<LPARAM>(s); }

class ListBox : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    g_notifications.clear();
    ASSERT_TRUE(testing_support::register_test_class(L"ListBoxParent", parent_proc));
    parent_ = CreateWindowExW(0, L"ListBoxParent", L"Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(parent_);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    DeskTest::TearDown();
  }
  HWND make(DWORD style, int cy = 120) {
    return CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 150, cy, parent_,
                           reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
  }
  static LRESULT add(HWND list, const char16_t* s) { return SendMessageW(list, LB_ADDSTRING, 0, text(s)); }
  static void add_all(HWND list, std::initializer_list<const char16_t*> items) {
    for (const char16_t* s : items) add(list, s);
  }
  static std::vector<std::string> items(HWND list) {
    std::vector<std::string> out;
    int n = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      WCHAR buffer[256];
      LRESULT length = SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(buffer));
      out.push_back(length < 0 ? "?" : u8(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), size_t(length))));
    }
    return out;
  }
  static int selected(HWND list) { return int(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
  static int item_height(HWND list) { return int(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)); }
  // A click in the row of `row` from the top of the view.
  static void click_row(HWND list, int row, UINT msg = WM_LBUTTONDOWN) {
    LPARAM at = MAKELPARAM(5, row * item_height(list) + item_height(list) / 2);
    SendMessageW(list, msg, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
  }
  static void press(HWND list, UINT vk) { SendMessageW(list, WM_KEYDOWN, vk, 0); }
  static std::vector<WORD> selection_changes() {
    std::vector<WORD> out;
    for (WORD code : g_notifications)
      if (code == LBN_SELCHANGE) out.push_back(code);
    return out;
  }

  HWND parent_ = nullptr;
};

using Strings = std::vector<std::string>;

TEST_F(ListBox, SortedListsOrderAddedItemsButNotInsertedOnes) {
  HWND sorted = make(LBS_SORT);
  EXPECT_EQ(add(sorted, u"tarvolt_20260301"), 0);
  EXPECT_EQ(add(sorted, u"Alpha"), 0);
  EXPECT_EQ(add(sorted, u"beta"), 1);  // case-insensitively after "Alpha"
  EXPECT_EQ(add(sorted, u"ALPHA"), 1);  // an equal text goes after the one already there
  EXPECT_EQ(items(sorted), (Strings{"Alpha", "ALPHA", "beta", "tarvolt_20260301"}));
  // Inserting puts a text where it is told, sorted or not; -1 appends.
  EXPECT_EQ(SendMessageW(sorted, LB_INSERTSTRING, 0, text(u"zulu")), 0);
  EXPECT_EQ(SendMessageW(sorted, LB_INSERTSTRING, WPARAM(-1), text(u"aardvark")), 5);
  EXPECT_EQ(SendMessageW(sorted, LB_INSERTSTRING, 7, text(u"past the end")), LB_ERR);
  EXPECT_EQ(items(sorted), (Strings{"zulu", "Alpha", "ALPHA", "beta", "tarvolt_20260301", "aardvark"}));

  HWND plain = make(0);
  add_all(plain, {u"c", u"a", u"b"});
  EXPECT_EQ(SendMessageW(plain, LB_INSERTSTRING, 1, text(u"x")), 1);
  EXPECT_EQ(items(plain), (Strings{"c", "x", "a", "b"}));
  EXPECT_EQ(SendMessageW(plain, LB_DELETESTRING, 0, 0), 3);  // the count left
  EXPECT_EQ(SendMessageW(plain, LB_DELETESTRING, 3, 0), LB_ERR);
  EXPECT_EQ(items(plain), (Strings{"x", "a", "b"}));
  EXPECT_EQ(SendMessageW(plain, LB_RESETCONTENT, 0, 0), LB_OKAY);
  EXPECT_EQ(SendMessageW(plain, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(selected(plain), LB_ERR);
}

TEST_F(ListBox, ItemDataTravelsWithItsItem) {
  HWND list = make(0);
  add_all(list, {u"one", u"two"});
  EXPECT_EQ(SendMessageW(list, LB_SETITEMDATA, 1, LPARAM(0x123456789)), TRUE);
  EXPECT_EQ(SendMessageW(list, LB_SETITEMDATA, 2, 7), LB_ERR);
  SendMessageW(list, LB_INSERTSTRING, 0, text(u"zero"));
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 2, 0), LRESULT(0x123456789));
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 0, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 3, 0), LB_ERR);
}

TEST_F(ListBox, TheSelectionFollowsItsItemThroughChanges) {
  HWND list = make(LBS_NOTIFY);
  EXPECT_EQ(selected(list), LB_ERR);
  add_all(list, {u"a", u"b", u"c"});
  EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 1, 0), 1);
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 0, 0), 0);
  SendMessageW(list, LB_INSERTSTRING, 0, text(u"first"));
  EXPECT_EQ(selected(list), 2);  // still "b"
  SendMessageW(list, LB_DELETESTRING, 0, 0);
  EXPECT_EQ(selected(list), 1);
  EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 5, 0), LB_ERR);
  EXPECT_EQ(selected(list), 1);  // a bad index changes nothing
  SendMessageW(list, LB_DELETESTRING, 1, 0);
  EXPECT_EQ(selected(list), LB_ERR);  // gone with its item
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, WPARAM(-1), 0), LB_ERR);  // cleared, yet LB_ERR
  EXPECT_EQ(selected(list), LB_ERR);
  // A program's own changes are never told to the parent.
  EXPECT_TRUE(g_notifications.empty());
}

TEST_F(ListBox, OnlyTheUsersChoiceIsToldAndOnlyWithNotify) {
  HWND quiet = make(0);
  add_all(quiet, {u"a", u"b"});
  click_row(quiet, 1);
  EXPECT_EQ(selected(quiet), 1);
  press(quiet, VK_UP);
  EXPECT_EQ(selected(quiet), 0);
  EXPECT_TRUE(g_notifications.empty());
  DestroyWindow(quiet);

  HWND list = make(LBS_NOTIFY);
  add_all(list, {u"a", u"b", u"c"});
  click_row(list, 2);
  EXPECT_EQ(selected(list), 2);
  EXPECT_EQ(GetFocus(), list);  // a click takes the focus
  EXPECT_EQ(g_notifications, (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));
  click_row(list, 2);  // the same item again: no change to tell
  EXPECT_EQ(selection_changes().size(), 1u);
  click_row(list, 1, WM_LBUTTONDBLCLK);
  EXPECT_EQ(g_notifications.back(), WORD(LBN_DBLCLK));
  EXPECT_EQ(selection_changes().size(), 2u);
  click_row(list, 5);  // below the last item
  EXPECT_EQ(selected(list), 1);
  EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, WPARAM(-1), text(u"C")), 2);
  EXPECT_EQ(selection_changes().size(), 2u);  // a program's selection, untold
  SetFocus(parent_);
  EXPECT_EQ(g_notifications.back(), WORD(LBN_KILLFOCUS));
}

TEST_F(ListBox, TextsAndLengthsWithTheirErrors) {
  HWND list = make(0);
  add_all(list, {u"Caf\u00e9", u""});
  WCHAR buffer[16];
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 0, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 0, LPARAM(buffer)), 4);
  EXPECT_EQ(u8(buffer), "Caf\xC3\xA9");
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 1, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 2, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 2, LPARAM(buffer)), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, WPARAM(-1), LPARAM(buffer)), LB_ERR);
}

TEST_F(ListBox, AnsiCallersSendAndReadTextsInTheCodePage) {
  HWND list = make(LBS_SORT);
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, LPARAM("\xC9t\xE9")), 0);  // "Été" in windows-1252
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, LPARAM("apple")), 0);
  EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, LPARAM("zero")), 0);
  EXPECT_EQ(items(list), (Strings{"zero", "apple", "\xC3\x89t\xC3\xA9"}));
  char buffer[16] = "xxxxxxxxxxxxxx";
  EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 2, 0), 3);
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 2, LPARAM(buffer)), 3);
  EXPECT_EQ(std::string(buffer), "\xC9t\xE9");
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 3, LPARAM(buffer)), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("\xC9T\xC9")), 2);
  EXPECT_EQ(SendMessageA(list, LB_SELECTSTRING, WPARAM(-1), LPARAM("ap")), 1);
  EXPECT_EQ(selected(list), 1);
}

TEST_F(ListBox, FindingSearchesOnPastTheEndFromTheItemAfterTheStart) {
  HWND list = make(0);
  add_all(list, {u"tarvolt_1", u"other", u"Tarvolt_2", u"tarvolt"});
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, WPARAM(-1), text(u"TARVOLT")), 0);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 0, text(u"tarvolt")), 2);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 3, text(u"tarvolt_")), 0);  // round from the top
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 99, text(u"oth")), 1);      // out of range: the whole list
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), text(u"TARVOLT")), 3);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), text(u"tarvolt_")), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, WPARAM(-1), text(u"none")), LB_ERR);
  EXPECT_EQ(selected(list), LB_ERR);
  HWND empty = make(0);
  EXPECT_EQ(SendMessageW(empty, LB_FINDSTRING, WPARAM(-1), text(u"")), LB_ERR);
}

TEST_F(ListBox, KeysMoveTheSelectionAndTellIt) {
  HWND list = make(LBS_NOTIFY);
  EXPECT_EQ(SendMessageW(list, WM_GETDLGCODE, 0, 0), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
  add_all(list, {u"alpha", u"bravo", u"beta", u"delta"});
  press(list, VK_DOWN);
  EXPECT_EQ(selected(list), 0);  // nothing selected: the first item
  press(list, VK_DOWN);
  EXPECT_EQ(selected(list), 1);
  press(list, VK_END);
  EXPECT_EQ(selected(list), 3);
  press(list, VK_DOWN);  // already at the end
  EXPECT_EQ(selected(list), 3);
  press(list, VK_HOME);
  EXPECT_EQ(selected(list), 0);
  press(list, VK_UP);
  EXPECT_EQ(selected(list), 0);
  EXPECT_EQ(selection_changes().size(), 4u);  // the presses that moved it
  SendMessageW(list, WM_CHAR, 'b', 0);
  EXPECT_EQ(selected(list), 1);
  SendMessageW(list, WM_CHAR, 'B', 0);  // the next one of that letter
  EXPECT_EQ(selected(list), 2);
}

TEST_F(ListBox, TheViewScrollsToTheSelectionAndStopsAtTheEnd) {
  HWND list = make(WS_VSCROLL | LBS_NOTIFY);
  int rows = 120 / item_height(list);
  ASSERT_GT(rows, 2);
  for (int i = 0; i < rows + 5; ++i) add(list, u"item");
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(list, LB_SETCURSEL, WPARAM(rows + 2), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);  // the selection is the last row in view
  EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, WPARAM(rows + 4), 0), LB_OKAY);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 5);  // no further than the last item needs
  EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, WPARAM(rows + 5), 0), LB_ERR);
  SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  click_row(list, 1);  // rows count from the top of the view
  EXPECT_EQ(selected(list), 1);
  SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
  click_row(list, 1);
  EXPECT_EQ(selected(list), 2);
  // A click on the scroll bar's down arrow scrolls and selects nothing.
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(140, 115));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 2);
  EXPECT_EQ(selected(list), 2);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST_F(ListBox, OnlyWholeRowsShowUnlessTheHeightIsKept) {
  HWND kept = make(LBS_NOINTEGRALHEIGHT, 0);
  int height = item_height(kept);
  SetWindowPos(kept, nullptr, 0, 0, 150, 4 * height + height / 2, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetClientRect(kept, &r);
  EXPECT_EQ(r.bottom, 4 * height + height / 2);
  HWND cut = make(WS_BORDER, 4 * height + height / 2 + 2);
  GetClientRect(cut, &r);
  EXPECT_EQ(r.bottom, 4 * height);
}

TEST_F(ListBox, ADialogTemplatesListBoxIsAListBox) {
  DLGPROC plain = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LIST_BOX), nullptr, plain, 0);
  ASSERT_TRUE(dialog);
  HWND list = GetDlgItem(dialog, IDC_VERSIONS);
  ASSERT_TRUE(list);
  char name[32];
  GetClassNameA(list, name, sizeof name);
  EXPECT_EQ(std::string(name), "ListBox");
  DWORD style = DWORD(GetWindowLongW(list, GWL_STYLE));
  EXPECT_EQ(style & (LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
            DWORD(LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP));
  // As the updater fills it: at the top, whatever the sorting, then the top item selected.
  for (const char* version : {"tarvolt_20260101", "tarvolt_20261111", "tarvolt_20250505"})
    SendDlgItemMessageA(dialog, IDC_VERSIONS, LB_INSERTSTRING, 0, LPARAM(version));
  SendDlgItemMessageA(dialog, IDC_VERSIONS, LB_SETCURSEL, 0, 0);
  EXPECT_EQ(items(list), (Strings{"tarvolt_20250505", "tarvolt_20261111", "tarvolt_20260101"}));
  char chosen[32];
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, WPARAM(SendMessageA(list, LB_GETCURSEL, 0, 0)), LPARAM(chosen)), 16);
  EXPECT_EQ(std::string(chosen), "tarvolt_20250505");
  DestroyWindow(dialog);
}

class ListBoxLook : public ListBox {
 protected:
  static COLORREF pixel(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
  }
  // The middle of a row, right of any text.
  static COLORREF row_colour(HWND list, int row) { return pixel(list, 120, row * item_height(list) + item_height(list) / 2); }
};

TEST_F(ListBoxLook, TheSelectedRowHasTheHighlightColour) {
  HWND list = make(0);
  add_all(list, {u"first", u"second", u"third"});
  EXPECT_EQ(row_colour(list, 1), GetSysColor(COLOR_WINDOW));
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  EXPECT_EQ(row_colour(list, 1), GetSysColor(COLOR_HIGHLIGHT));  // repainted after the change
  EXPECT_EQ(row_colour(list, 0), GetSysColor(COLOR_WINDOW));
  SendMessageW(list, LB_DELETESTRING, 0, 0);
  EXPECT_EQ(row_colour(list, 0), GetSysColor(COLOR_HIGHLIGHT));  // "second" moved up
  EXPECT_EQ(row_colour(list, 1), GetSysColor(COLOR_WINDOW));
}

TEST_F(ListBoxLook, TheScrollBarShowsWhenTheItemsOverflowOrAlwaysWhenKept) {
  HWND list = make(WS_VSCROLL, 60);
  add(list, u"only");
  EXPECT_EQ(pixel(list, 145, 30), GetSysColor(COLOR_WINDOW));
  for (int i = 0; i < 10; ++i) add(list, u"more");
  EXPECT_NE(pixel(list, 145, 30), GetSysColor(COLOR_WINDOW));

  HWND kept = make(WS_VSCROLL | LBS_DISABLENOSCROLL, 60);
  EXPECT_NE(pixel(kept, 145, 30), GetSysColor(COLOR_WINDOW));
  HWND none = make(0, 60);
  for (int i = 0; i < 10; ++i) add(none, u"more");
  EXPECT_EQ(pixel(none, 145, 30), GetSysColor(COLOR_WINDOW));
}

}  // namespace
