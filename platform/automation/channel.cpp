#include "automation/channel.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "kernel/process_identity.h"
#include "kernel/text.h"
#include "automation/channel_requests.h"
#include "automation/channel_server.h"
#include "automation/target.h"
#include "user/window_hooks.h"

namespace platform::automation {
namespace {

// The requests act on this process's windows.
class ProcessWindows : public Target {
 public:
  std::vector<WindowInfo> top_level_windows() override { return automation::top_level_windows(); }
  std::vector<WindowInfo> controls(WindowHandle hwnd) override { return automation::controls(hwnd); }
  bool type_text(WindowHandle hwnd, const std::u16string& text) override { return automation::type_text(hwnd, text); }
  bool click(WindowHandle hwnd) override { return automation::click(hwnd); }
  bool hover(WindowHandle hwnd) override { return automation::hover(hwnd); }
  std::optional<std::u16string> tip(WindowHandle hwnd) override { return automation::tip(hwnd); }
  bool press_key(WindowHandle hwnd, uint16_t key) override { return automation::press_key(hwnd, key); }
  bool close(WindowHandle hwnd) override { return automation::close(hwnd); }
  bool screenshot(WindowHandle hwnd, const std::string& png) override { return automation::screenshot(hwnd, png); }
  // The window menu and the caption buttons.
  MenuPick pick_system_menu(WindowHandle hwnd, const std::u16string& item) override {
    return automation::pick_system_menu(hwnd, item);
  }
  bool system_command(WindowHandle hwnd, uint32_t command) override { return automation::system_command(hwnd, command); }
  // List boxes.
  std::optional<std::vector<ListItem>> list_items(WindowHandle hwnd) override { return automation::list_items(hwnd); }
  bool select_item(WindowHandle hwnd, const std::u16string& text) override { return automation::select_item(hwnd, text); }
};

ProcessIdentity identity() {
  const std::u16string& image = process::image_path();
  return {uint32_t(getpid()), text::utf8(image.substr(image.find_last_of(u"\\/") + 1))};
}

// Set at exit: the windows are going away with the process's statics.
std::atomic<bool> ending{false};

// Never destroyed: its thread serves until the process ends, and a destructor run at exit
// would wait for a request that waits for a window thread that is gone.
ChannelServer* start() {
  std::error_code error;
  std::filesystem::create_directories(channel_folder(), error);
  auto* target = new ProcessWindows;
  auto* server = new ChannelServer(channel_folder(), socket_name(uint32_t(getpid())),
                                   [target, self = identity()](const Fields& request) {
                                     if (ending) return Reply::error(Failure::Refused, "the process is ending");
                                     return handle_request(*target, self, request);
                                   });
  if (!server->listening()) {
    delete server;
    delete target;
    return nullptr;
  }
  static std::filesystem::path* socket = new std::filesystem::path(server->socket_path());
  std::atexit([] {
    ending = true;
    std::error_code ignored;
    std::filesystem::remove(*socket, ignored);
  });
  return server;
}

}  // namespace

bool serve() {
  static ChannelServer* server = start();
  return server != nullptr;
}

namespace {

// A process serves the channel from its first window on.
const bool served_at_first_window = (user::hooks::on_window_created([] { serve(); }), true);

}  // namespace

}  // namespace platform::automation
