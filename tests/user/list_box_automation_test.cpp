// The desktop's list box requests against a dialog on its own thread, as the channel's thread
// drives it: the items and the selection read out, an item selected as a click would select it,
// and the replies and refusals of `items` and `select`.
#include <atomic>
#include <thread>

#include "automation/target.h"
#include "user/automation_fixture.h"
#include "user/desk_fixture.h"
#include "user/list_box_test.h"

namespace {

namespace automation = platform::automation;
using automation::Failure;
using automation::WindowHandle;
using testing_support::DeskTest;

std::atomic<int> selection_changes{0};

// Filled as the updater fills its list: each version inserted at the top, the top one selected.
INT_PTR CALLBACK versions_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (const char* version : {"tarvolt_20260101", "tarvolt_20261111", "tarvolt_20250505"})
      SendDlgItemMessageA(dlg, IDC_VERSIONS, LB_INSERTSTRING, 0, LPARAM(version));
    SendDlgItemMessageA(dlg, IDC_VERSIONS, LB_SETCURSEL, 0, 0);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  if (LOWORD(wp) == IDC_VERSIONS && HIWORD(wp) == LBN_SELCHANGE) ++selection_changes;
  if (LOWORD(wp) == IDOK) {
    DestroyWindow(dlg);
    PostQuitMessage(0);
  }
  return TRUE;
}

WindowHandle handle(HWND h) { return reinterpret_cast<uintptr_t>(h); }

// The requests answered from this process's real windows.
class RealWindows : public testing_support::FakeDesktop {
 public:
  std::vector<automation::WindowInfo> top_level_windows() override { return automation::top_level_windows(); }
  std::vector<automation::WindowInfo> controls(WindowHandle hwnd) override { return automation::controls(hwnd); }
  std::optional<std::vector<automation::ListItem>> list_items(WindowHandle hwnd) override {
    return automation::list_items(hwnd);
  }
  bool select_item(WindowHandle hwnd, const std::u16string& text) override {
    return automation::select_item(hwnd, text);
  }
};

class ListBoxAutomation : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    selection_changes = 0;
    ui_ = std::thread([this] {
      HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LIST_BOX), nullptr,
                                    versions_proc, 0);
      ShowWindow(dlg, SW_SHOW);
      list_ = GetDlgItem(dlg, IDC_VERSIONS);
      dialog_ = dlg;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        if (!IsDialogMessageW(dlg, &msg)) DispatchMessageW(&msg);
    });
    while (!dialog_) std::this_thread::yield();
  }
  void TearDown() override {
    if (IsWindow(dialog_)) PostMessageW(dialog_, WM_COMMAND, IDOK, 0);
    if (ui_.joinable()) ui_.join();
    DeskTest::TearDown();
  }
  // The work handed to the dialog's thread runs in order: a read after an action sees its result.
  std::vector<automation::ListItem> items() { return automation::list_items(handle(list_)).value_or(std::vector<automation::ListItem>{}); }
  int selected() {
    auto all = items();
    for (size_t i = 0; i < all.size(); ++i)
      if (all[i].selected) return int(i);
    return -1;
  }
  automation::Reply request(const automation::Fields& fields) {
    return automation::handle_request(windows_, {1, "zolvane.exe"}, fields);
  }
  // The list box's text in the listing of the dialog's controls.
  std::string listed_text() {
    for (const automation::WindowInfo& c : automation::controls(handle(dialog_)))
      if (c.id == IDC_VERSIONS) return c.text;
    return "(not listed)";
  }
  std::string dialog_text() { return automation::handle_text(handle(dialog_)); }

  std::thread ui_;
  std::atomic<HWND> dialog_{nullptr};
  HWND list_ = nullptr;
  RealWindows windows_;
};

TEST_F(ListBoxAutomation, ItemsAndTheSelectionReadOut) {
  auto all = items();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].text, "tarvolt_20250505");
  EXPECT_EQ(all[2].text, "tarvolt_20260101");
  EXPECT_TRUE(all[0].selected);
  EXPECT_FALSE(all[1].selected);
  EXPECT_FALSE(automation::list_items(handle(GetDlgItem(dialog_, IDOK))));
  // The listing of controls shows a list box's selected text.
  EXPECT_EQ(listed_text(), "tarvolt_20250505");
  SendMessageW(list_, LB_SETCURSEL, WPARAM(-1), 0);
  EXPECT_EQ(listed_text(), "");
}

TEST_F(ListBoxAutomation, SelectingClicksTheItemsRowInView) {
  ASSERT_TRUE(automation::select_item(handle(list_), u"tarvolt_20260101"));
  EXPECT_EQ(selected(), 2);
  EXPECT_EQ(selection_changes, 1);
  EXPECT_TRUE(automation::controls(handle(dialog_))[0].focused);
  // An item below the view is scrolled to first.
  for (int i = 0; i < 20; ++i) SendMessageA(list_, LB_ADDSTRING, 0, LPARAM("zz_item"));
  SendMessageA(list_, LB_ADDSTRING, 0, LPARAM("zz_last"));
  ASSERT_TRUE(automation::select_item(handle(list_), u"zz_last"));
  EXPECT_EQ(selected(), 23);
  EXPECT_GT(SendMessageW(list_, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_EQ(selection_changes, 2);
  // Exactly that text, in a list box that can be used.
  EXPECT_FALSE(automation::select_item(handle(list_), u"ZZ_LAST"));
  EXPECT_FALSE(automation::select_item(handle(GetDlgItem(dialog_, IDOK)), u"OK"));
  EnableWindow(list_, FALSE);
  EXPECT_FALSE(automation::select_item(handle(list_), u"tarvolt_20250505"));
  EXPECT_EQ(selection_changes, 2);
}

TEST_F(ListBoxAutomation, TheRequestsAnswerWithRecordsOrSayWhatIsWrong) {
  automation::Reply listed = request({"items", dialog_text(), std::to_string(IDC_VERSIONS)});
  ASSERT_TRUE(listed.succeeded()) << listed.message;
  EXPECT_EQ(listed.records, (std::vector<automation::Fields>{{"0", "tarvolt_20250505", "1"},
                                                             {"1", "tarvolt_20261111", "0"},
                                                             {"2", "tarvolt_20260101", "0"}}));
  automation::Reply chosen = request({"select", dialog_text(), std::to_string(IDC_VERSIONS), "tarvolt_20261111"});
  EXPECT_TRUE(chosen.succeeded()) << chosen.message;
  EXPECT_EQ(selected(), 1);

  automation::Reply missing = request({"select", dialog_text(), std::to_string(IDC_VERSIONS), "tarvolt_1999"});
  EXPECT_EQ(missing.failure, Failure::NotFound);
  EXPECT_NE(missing.message.find("has no item 'tarvolt_1999'"), std::string::npos) << missing.message;
  automation::Reply button = request({"items", dialog_text(), "1"});
  EXPECT_EQ(button.failure, Failure::Refused);
  EXPECT_NE(button.message.find("is not a list box"), std::string::npos) << button.message;
  EXPECT_EQ(request({"items", dialog_text(), "77"}).failure, Failure::NotFound);
  EXPECT_EQ(request({"items", dialog_text()}).failure, Failure::BadRequest);
  EXPECT_EQ(request({"select", dialog_text(), std::to_string(IDC_VERSIONS)}).failure, Failure::BadRequest);
  EnableWindow(list_, FALSE);
  automation::Reply disabled = request({"select", dialog_text(), std::to_string(IDC_VERSIONS), "tarvolt_20250505"});
  EXPECT_EQ(disabled.failure, Failure::Refused);
  EXPECT_EQ(selected(), 1);
}

}  // namespace
