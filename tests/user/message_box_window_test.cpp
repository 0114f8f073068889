// Message boxes as modal windows: their controls, answers by click, key and close box through
// the automation target, the owner disabled meanwhile, the default answer after the machine's
// limit, and what the desktop log records.
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "automation/target.h"
#include "user/desk_fixture.h"
#include "machine/desktop_log.h"
#include "user/resource_test.h"

namespace {

namespace automation = platform::automation;
using testing_support::DeskTest;

LRESULT CALLBACK owner_proc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

// Shows one box on a thread of its own, as a program's main thread would, optionally owned by
// a window that thread makes first; notes the focus once the box is gone.
class BoxThread {
 public:
  BoxThread(const wchar_t* text, const wchar_t* caption, UINT style, std::function<HWND()> make_owner = {}) {
    thread_ = std::thread([=, this] {
      if (make_owner) owner_ = make_owner();
      answer_ = MessageBoxW(owner_, text, caption, style);
      focus_after_ = GetFocus();
      owner_enabled_after_ = owner_ && IsWindowEnabled(owner_);
      if (owner_) DestroyWindow(owner_);
    });
  }
  ~BoxThread() {
    if (thread_.joinable()) thread_.join();
  }
  int answer() {
    thread_.join();
    return answer_;
  }
  HWND owner() const { return owner_; }
  HWND focus_after() const { return focus_after_; }
  bool owner_enabled_after() const { return owner_enabled_after_; }

 private:
  std::thread thread_;
  std::atomic<HWND> owner_{nullptr};
  std::atomic<int> answer_{-1};
  std::atomic<HWND> focus_after_{nullptr};
  std::atomic<bool> owner_enabled_after_{false};
};

HWND plain_owner() {
  return CreateWindowExW(0, L"BoxOwner", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                         nullptr, nullptr);
}

INT_PTR CALLBACK quiet_proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

class MessageBoxes : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
    ASSERT_TRUE(testing_support::register_test_class(L"BoxOwner", owner_proc));
  }

  // The box with that caption once it is up.
  static automation::WindowInfo wait_for_box(const std::string& caption) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
      for (const automation::WindowInfo& w : automation::top_level_windows())
        if (w.class_name == "#32770" && w.text == caption && w.visible) return w;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ADD_FAILURE() << "no box " << caption;
    return {};
  }

  static automation::WindowHandle control(automation::WindowHandle box, uint32_t id) {
    for (const automation::WindowInfo& c : automation::controls(box))
      if (c.id == id) return c.hwnd;
    ADD_FAILURE() << "no control " << id;
    return 0;
  }

  static platform::desktop::LoggedBox last_logged() {
    auto boxes = platform::desktop::logged_boxes();
    return boxes.empty() ? platform::desktop::LoggedBox{} : boxes.back();
  }
};

TEST_F(MessageBoxes, ShowsIconTextAndButtonsInOrderAndAnswersTheClick) {
  BoxThread box(L"Save changes to the entry?", L"Pardex", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2,
                plain_owner);
  automation::WindowInfo w = wait_for_box("Pardex");
  auto controls = automation::controls(w.hwnd);
  ASSERT_EQ(controls.size(), 5u);
  EXPECT_EQ(controls[0].class_name, "Static");
  EXPECT_EQ(controls[0].style & SS_TYPEMASK, DWORD(SS_ICON));
  EXPECT_EQ(controls[1].text, "Save changes to the entry?");
  const uint32_t order[] = {IDYES, IDNO, IDCANCEL};
  for (int i = 0; i < 3; ++i) {
    const automation::WindowInfo& button = controls[size_t(2 + i)];
    EXPECT_EQ(button.id, order[i]);
    EXPECT_EQ(button.cy, 23);
    EXPECT_GE(button.cx, 75);
    if (i > 0) {
      EXPECT_GT(button.x, controls[size_t(1 + i)].x + controls[size_t(1 + i)].cx);
    }
    // MB_DEFBUTTON2: the second button is the default one and has the focus.
    EXPECT_EQ((button.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, i == 1) << i;
    EXPECT_EQ(button.focused, i == 1) << i;
  }
  EXPECT_EQ(controls[2].text, "Yes");
  // The text sits right of the icon, the buttons below both.
  EXPECT_GT(controls[1].x, controls[0].x + controls[0].cx);
  EXPECT_GT(controls[2].y, controls[1].y + controls[1].cy);

  // The owner stays disabled while the box is up.
  EXPECT_FALSE(IsWindowEnabled(box.owner()));
  ASSERT_TRUE(automation::click(control(w.hwnd, IDNO)));
  EXPECT_EQ(box.answer(), IDNO);
  EXPECT_TRUE(box.owner_enabled_after());
  EXPECT_EQ(w.parent, 0u);
  platform::desktop::LoggedBox logged = last_logged();
  EXPECT_EQ(logged.caption, "Pardex");
  EXPECT_EQ(logged.buttons, "YesNoCancel");
  EXPECT_EQ(logged.answer, "No");
  EXPECT_EQ(logged.how, "clicked");
}

TEST_F(MessageBoxes, KeysAnswerWithTheDefaultButtonOrCancel) {
  {
    // Escape cannot cancel a box without Cancel; Enter takes the default button.
    BoxThread box(L"Delete?", L"Keys", MB_YESNO | MB_DEFBUTTON2);
    automation::WindowInfo w = wait_for_box("Keys");
    ASSERT_TRUE(automation::press_key(w.hwnd, VK_ESCAPE));
    ASSERT_TRUE(automation::press_key(w.hwnd, VK_RETURN));
    EXPECT_EQ(box.answer(), IDNO);
    EXPECT_EQ(last_logged().how, "key");
  }
  {
    BoxThread box(L"Go on?", L"Keys", MB_OKCANCEL);
    automation::WindowInfo w = wait_for_box("Keys");
    ASSERT_TRUE(automation::press_key(w.hwnd, VK_ESCAPE));
    EXPECT_EQ(box.answer(), IDCANCEL);
    EXPECT_EQ(last_logged().answer, "Cancel");
  }
  {
    // Tab moves to the next button; Enter presses the focused one.
    BoxThread box(L"Retry?", L"Keys", MB_RETRYCANCEL);
    automation::WindowInfo w = wait_for_box("Keys");
    ASSERT_TRUE(automation::press_key(w.hwnd, VK_TAB));
    ASSERT_TRUE(automation::press_key(w.hwnd, VK_RETURN));
    EXPECT_EQ(box.answer(), IDCANCEL);
  }
}

TEST_F(MessageBoxes, TheCloseBoxAnswersOkAloneOrCancel) {
  {
    BoxThread box(L"Done.", L"Close", MB_OK | MB_ICONINFORMATION);
    automation::WindowInfo w = wait_for_box("Close");
    ASSERT_TRUE(automation::close(w.hwnd));
    EXPECT_EQ(box.answer(), IDOK);
    EXPECT_EQ(last_logged().how, "closed");
  }
  {
    // A Yes/No box cannot be closed: it waits for its answer.
    BoxThread box(L"Sure?", L"Close", MB_YESNO);
    automation::WindowInfo w = wait_for_box("Close");
    ASSERT_TRUE(automation::close(w.hwnd));
    ASSERT_TRUE(automation::click(control(w.hwnd, IDYES)));
    EXPECT_EQ(box.answer(), IDYES);
    EXPECT_EQ(last_logged().how, "clicked");
  }
}

TEST_F(MessageBoxes, AnOwnerDialogIsEnabledAgainAndGetsItsFocusBack) {
  HWND cancel = nullptr;
  BoxThread box(L"Wrong password.", L"Owned", MB_OK, [&cancel] {
    HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, quiet_proc, 0);
    ShowWindow(dlg, SW_SHOW);
    cancel = GetDlgItem(dlg, IDCANCEL);
    SetFocus(cancel);
    return dlg;
  });
  automation::WindowInfo w = wait_for_box("Owned");
  EXPECT_FALSE(IsWindowEnabled(box.owner()));
  ASSERT_TRUE(automation::press_key(w.hwnd, VK_RETURN));
  EXPECT_EQ(box.answer(), IDOK);
  EXPECT_TRUE(box.owner_enabled_after());
  EXPECT_EQ(box.focus_after(), cancel);
}

TEST_F(MessageBoxes, TaskModalBoxWithoutOwnerDisablesTheThreadsWindows) {
  std::atomic<HWND> other{nullptr};
  std::atomic<bool> enabled_after{false};
  std::thread ui([&] {
    other = plain_owner();
    MessageBoxW(nullptr, L"Busy.", L"Task", MB_OK | MB_TASKMODAL);
    enabled_after = IsWindowEnabled(other);
    DestroyWindow(other);
  });
  automation::WindowInfo w = wait_for_box("Task");
  EXPECT_FALSE(IsWindowEnabled(other));
  ASSERT_TRUE(automation::click(control(w.hwnd, IDOK)));
  ui.join();
  EXPECT_TRUE(enabled_after);
}

TEST_F(MessageBoxes, NobodyAnsweringWithinTheLimitGivesTheDefaultButton) {
  platform::machine::set_config("desktop.box_timeout_ms", "150");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(MessageBoxW(nullptr, L"Anyone?", L"Alone", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  platform::desktop::LoggedBox logged = last_logged();
  EXPECT_EQ(logged.answer, "Ignore");
  EXPECT_EQ(logged.how, "default");
  EXPECT_EQ(GetActiveWindow(), nullptr);  // the box is gone
}

TEST_F(MessageBoxes, AnInvalidOwnerIsRefused) {
  EXPECT_EQ(MessageBoxW(reinterpret_cast<HWND>(0x7770), L"x", L"x", MB_OK), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_TRUE(platform::desktop::logged_boxes().empty());
}

TEST_F(MessageBoxes, ScreenshotIsAPngOfTheBoxSize) {
  BoxThread box(L"Connection failed.", L"Shot", MB_OK | MB_ICONERROR);
  automation::WindowInfo w = wait_for_box("Shot");
  std::string png = (root_ / "box.png").string();
  ASSERT_TRUE(automation::screenshot(w.hwnd, png));
  ASSERT_TRUE(automation::click(control(w.hwnd, IDOK)));
  EXPECT_EQ(box.answer(), IDOK);
  std::ifstream file(png, std::ios::binary);
  unsigned char header[24] = {};
  file.read(reinterpret_cast<char*>(header), sizeof header);
  ASSERT_TRUE(file);
  EXPECT_EQ(header[1], 'P');
  auto be32 = [&](int at) { return uint32_t(header[at]) << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3]; };
  EXPECT_EQ(be32(16), uint32_t(w.cx));
  EXPECT_EQ(be32(20), uint32_t(w.cy));
}

}  // namespace
