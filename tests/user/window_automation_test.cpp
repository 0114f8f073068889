// The automation target driving a dialog that runs on its own thread, as the channel's thread
// does: typing, clicking, the refusals, and what the listing shows.
#include <atomic>
#include <thread>

#include "automation/target.h"
#include "user/desk_fixture.h"
#include "user/resource_test.h"

namespace {

namespace automation = platform::automation;
using testing_support::DeskTest;

std::atomic<int> edit_changes{0};
std::atomic<int> ok_clicks{0};

INT_PTR CALLBACK counting_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_COMMAND) return FALSE;
  if (LOWORD(wp) == IDC_PASSWORD && HIWORD(wp) == EN_CHANGE) ++edit_changes;
  if (LOWORD(wp) == IDOK) {
    ++ok_clicks;
    DestroyWindow(dlg);
    PostQuitMessage(0);
  }
  return TRUE;
}

class WindowAutomation : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    edit_changes = 0;
    ok_clicks = 0;
    ui_ = std::thread([this] {
      HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr,
                                    counting_proc, 0);
      ShowWindow(dlg, SW_SHOW);
      dialog_ = dlg;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        if (!IsDialogMessageW(dlg, &msg)) DispatchMessageW(&msg);
    });
    while (!dialog_) std::this_thread::yield();
  }
  void TearDown() override {
    if (IsWindow(dialog_)) automation::click(hwnd(GetDlgItem(dialog_, IDOK)));
    if (ui_.joinable()) ui_.join();
    DeskTest::TearDown();
  }
  static automation::WindowHandle hwnd(HWND h) { return reinterpret_cast<uintptr_t>(h); }

  std::thread ui_;
  std::atomic<HWND> dialog_{nullptr};
};

TEST_F(WindowAutomation, TypingSetsTheTextTheFocusAndNotifies) {
  HWND edit = GetDlgItem(dialog_, IDC_PASSWORD);
  ASSERT_TRUE(automation::type_text(hwnd(edit), u"p\u00E4ss"));
  auto controls = automation::controls(hwnd(dialog_));
  ASSERT_EQ(controls.size(), 4u);
  EXPECT_EQ(controls[1].id, uint32_t(IDC_PASSWORD));
  EXPECT_EQ(controls[1].text, "p\xC3\xA4ss");  // a password edit's real text
  EXPECT_TRUE(controls[1].focused);
  EXPECT_EQ(edit_changes, 1);
  auto tops = automation::top_level_windows();
  ASSERT_EQ(tops.size(), 1u);
  EXPECT_EQ(tops[0].text, "Enter installation password");
  EXPECT_EQ(tops[0].parent, 0u);
}

TEST_F(WindowAutomation, DisabledHiddenAndUnknownWindowsAreRefused) {
  HWND ok = GetDlgItem(dialog_, IDOK);
  EnableWindow(ok, FALSE);  // sent across to the dialog's thread
  EXPECT_FALSE(automation::click(hwnd(ok)));
  EXPECT_FALSE(automation::type_text(hwnd(ok), u"x"));
  EnableWindow(ok, TRUE);
  ShowWindow(ok, SW_HIDE);
  EXPECT_FALSE(automation::click(hwnd(ok)));
  ShowWindow(ok, SW_SHOW);
  EXPECT_FALSE(automation::click(0x7FFE));
  EXPECT_TRUE(automation::controls(0x7FFE).empty());
  EXPECT_FALSE(automation::close(hwnd(ok)));  // only a top-level window closes
  EXPECT_EQ(ok_clicks, 0);
  ASSERT_TRUE(automation::click(hwnd(ok)));
  ui_.join();
  EXPECT_EQ(ok_clicks, 1);
}

}  // namespace
