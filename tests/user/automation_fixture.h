// A stand-in desktop served over the real channel by the test process itself: a dialog with an
// edit, an enabled and a disabled button, and a hidden page that repeats the edit's id.
#pragma once

#include <unistd.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <windows.h>

#include "support/machine_fixture.h"
#include "automation/channel_requests.h"
#include "automation/channel_server.h"
#include "automation/client.h"

namespace testing_support {

namespace automation = platform::automation;

using automation::WindowHandle;

// The edit's handle lies above 4 GiB: cut to 32 bits anywhere on the way, it names no window.
constexpr WindowHandle kDialog = 0x00010010, kEdit = 0x100010012, kOk = 0x00010014, kDisabled = 0x00010016,
                       kPage = 0x00010018, kPageEdit = 0x0001001A;
constexpr uint32_t kEditId = 1001, kDisabledId = 1002;

class FakeDesktop : public automation::Target {
 public:
  struct Call {
    std::string what;
    WindowHandle hwnd;
    std::u16string text;
    std::string path;
    uint16_t key;
  };

  std::vector<automation::WindowInfo> top_level_windows() override { return {window(kDialog, 0, 0, "#32770", caption)}; }
  std::vector<automation::WindowInfo> controls(WindowHandle hwnd) override {
    if (hwnd != kDialog) return {};
    auto page = window(kPage, kDialog, 0, "#32770", "");
    page.visible = false;
    auto page_edit = window(kPageEdit, kPage, kEditId, "Edit", "hidden");
    page_edit.visible = false;
    auto disabled = window(kDisabled, kDialog, kDisabledId, "Button", "&Details");
    disabled.enabled = false;
    auto edit = window(kEdit, kDialog, kEditId, "Edit", "alice");
    edit.focused = true;
    edit.style = 0x50010080;
    return {page, page_edit, edit, window(kOk, kDialog, 1, "Button", "OK"), disabled};
  }
  bool type_text(WindowHandle hwnd, const std::u16string& text) override { return record("type", hwnd, text); }
  bool click(WindowHandle hwnd) override { return hwnd != kDisabled && record("click", hwnd); }
  bool hover(WindowHandle hwnd) override { return record("hover", hwnd); }
  // The edit has a tooltip, which shows once the mouse was over it.
  std::optional<std::u16string> tip(WindowHandle hwnd) override {
    std::lock_guard lock(mutex_);
    bool hovered = !calls_.empty() && calls_.back().what == "hover" && calls_.back().hwnd == kEdit;
    if (hwnd == kEdit && hovered) return u"Der Benutzername f\u00fcr vpn1";
    return std::nullopt;
  }
  bool press_key(WindowHandle hwnd, uint16_t key) override { return record("key", hwnd, u"", "", key); }
  bool close(WindowHandle hwnd) override { return record("close", hwnd); }
  bool screenshot(WindowHandle hwnd, const std::string& path) override { return record("screenshot", hwnd, u"", path); }
  // The window menu of the dialog has "&Close\tAlt+F4" and a grayed "&Size".
  automation::MenuPick pick_system_menu(WindowHandle hwnd, const std::u16string& item) override {
    if (hwnd != kDialog) return automation::MenuPick::no_window;
    if (item == u"Size") return automation::MenuPick::disabled;
    if (item != u"Close") return automation::MenuPick::no_item;
    record("sysmenu", hwnd, item);
    return automation::MenuPick::picked;
  }
  bool system_command(WindowHandle hwnd, uint32_t command) override {
    return hwnd == kDialog && record("syscommand", hwnd, u"", "", uint16_t(command));
  }
  // This desktop has no list boxes.
  std::optional<std::vector<automation::ListItem>> list_items(WindowHandle) override { return std::nullopt; }
  bool select_item(WindowHandle, const std::u16string&) override { return false; }

  std::vector<Call> calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

  std::string caption = "Connect to Caf\xC3\xA9\tVPN";

 private:
  static automation::WindowInfo window(WindowHandle hwnd, WindowHandle parent, uint32_t id, const char* cls,
                                       const std::string& text) {
    automation::WindowInfo w;
    w.hwnd = hwnd, w.parent = parent, w.id = id, w.class_name = cls, w.text = text;
    w.visible = w.enabled = true;
    w.x = -8, w.y = 20, w.cx = 300, w.cy = 200;
    return w;
  }
  bool record(const char* what, WindowHandle hwnd, const std::u16string& text = u"", const std::string& path = "",
              uint16_t key = 0) {
    std::lock_guard lock(mutex_);
    calls_.push_back(Call{what, hwnd, text, path, key});
    return true;
  }

  std::mutex mutex_;
  std::vector<Call> calls_;
};

// The test process serves the fake desktop in the test's machine, as a GUI process would.
class AutomationTest : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    std::filesystem::create_directories(automation::channel_folder());
    server_ = std::make_unique<automation::ChannelServer>(
        automation::channel_folder(), automation::socket_name(uint32_t(getpid())),
        [this](const automation::Fields& request) {
          return automation::handle_request(desktop_, {uint32_t(getpid()), "pardex.exe"}, request);
        });
    ASSERT_TRUE(server_->listening());
  }
  void TearDown() override {
    server_.reset();
    MachineTest::TearDown();
  }

  FakeDesktop desktop_;
  std::unique_ptr<automation::ChannelServer> server_;
};

}  // namespace testing_support
