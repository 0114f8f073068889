// winsim desktop: the machine's desktop as its user would see it, and driven as the user would
// drive it, through the automation channel of each process with windows. `log` lists every
// message box shown so far, one line each, and `opened` every web address a program opened:
//   <local time>  <program>  "<caption>"  "<text>"  [<buttons>]  -> <answer> (<how>)
//   <local time>  <program>  <address>
// `windows` and `controls` print tab-separated columns, texts with tabs and line breaks escaped:
//   <hwnd>  <pid>  <program>  <class>  <caption>  <visible>
//   <id>  <hwnd>  <class>  <text>  <style>  <enabled>  <visible>  <focused>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "machine/clock.h"
#include "machine_root.h"
#include "automation/channel_names.h"
#include "automation/client.h"
#include "machine/clipboard.h"
#include "machine/desktop_log.h"
#include "machine/opened_targets.h"
#include "kernel/text.h"

namespace platform::tool {
namespace {

// "2024-05-01 12:00:00" in the machine's local time.
std::string local_time(int64_t utc_ns) {
  time_t seconds = time_t(utc_ns / 1000000000 - int64_t(clock::tz_bias_minutes()) * 60);
  tm parts;
  gmtime_r(&seconds, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

// Keeps a text on one line (and a column): its line breaks and tabs show as \r, \n and \t.
std::string one_line(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

int print_log() {
  for (const desktop::LoggedBox& box : desktop::logged_boxes())
    std::printf("%s  %s  \"%s\"  \"%s\"  [%s]  -> %s (%s)\n", local_time(box.time_ns).c_str(), box.program.c_str(),
                one_line(box.caption).c_str(), one_line(box.text).c_str(), box.buttons.c_str(), box.answer.c_str(),
                box.how.c_str());
  return 0;
}

int print_opened() {
  for (const desktop::OpenedTarget& opened : desktop::opened_targets())
    std::printf("%s  %s  %s\n", local_time(opened.time_ns).c_str(), opened.program.c_str(), opened.target.c_str());
  return 0;
}

int print_clipboard() {
  std::optional<std::u16string> text = desktop::clipboard_text();
  if (!text) return fail("the clipboard holds no text");
  std::printf("%s\n", text::utf8(*text).c_str());
  return 0;
}

using automation::AutomationError;
using automation::DesktopClient;
using automation::handle_text;
using automation::hex8;
using automation::WindowHandle;

const char* yes_no(bool value) { return value ? "yes" : "no"; }

WindowHandle window_argument(const std::string& text) {
  auto hwnd = automation::parse_handle(text);
  if (!hwnd || !*hwnd) throw AutomationError(automation::Failure::BadRequest, "not a window handle: " + text);
  return *hwnd;
}

uint32_t id_argument(const std::string& text) {
  auto id = automation::parse_number(text);
  if (!id) throw AutomationError(automation::Failure::BadRequest, "not a control id: " + text);
  return *id;
}

int list_windows(const DesktopClient& desktop, const Args&) {
  auto listing = desktop.windows();
  for (const auto& [pid, program, w] : listing.windows)
    std::printf("%s\t%u\t%s\t%s\t%s\t%s\n", handle_text(w.hwnd).c_str(), unsigned(pid), program.c_str(),
                one_line(w.class_name).c_str(), one_line(w.text).c_str(), yes_no(w.visible));
  for (uint32_t pid : listing.silent) std::fprintf(stderr, "winsim: process %u does not answer\n", unsigned(pid));
  return 0;
}

int list_controls(const DesktopClient& desktop, const Args& args) {
  for (const auto& w : desktop.controls(window_argument(args[0])))
    std::printf("%u\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", unsigned(w.id), handle_text(w.hwnd).c_str(),
                one_line(w.class_name).c_str(), one_line(w.text).c_str(), hex8(w.style).c_str(), yes_no(w.enabled),
                yes_no(w.visible), yes_no(w.focused));
  return 0;
}

int type_text(const DesktopClient& desktop, const Args& args) {
  desktop.type_text(window_argument(args[0]), id_argument(args[1]), args[2]);
  return 0;
}

int click(const DesktopClient& desktop, const Args& args) {
  desktop.click(window_argument(args[0]), id_argument(args[1]));
  return 0;
}

// A tooltip that has not shown within this time will not: tips show at once here.
constexpr std::chrono::seconds kTooltipLimit{3};

int hover(const DesktopClient& desktop, const Args& args) {
  std::printf("%s\n", desktop.hover(window_argument(args[0]), id_argument(args[1]), kTooltipLimit).c_str());
  return 0;
}

int press_key(const DesktopClient& desktop, const Args& args) {
  auto key = automation::virtual_key(args[1]);
  if (!key) return fail("unknown key '" + args[1] + "' (Enter, Escape, Tab, Space, F1, A, ...)");
  desktop.press_key(window_argument(args[0]), *key);
  return 0;
}

int close_window(const DesktopClient& desktop, const Args& args) {
  desktop.close(window_argument(args[0]));
  return 0;
}

int answer_box(const DesktopClient& desktop, const Args& args) {
  auto button = automation::button_id(args[1]);
  if (!button) return fail("unknown button '" + args[1] + "' (OK Cancel Yes No Retry Ignore Abort TryAgain Continue)");
  desktop.answer(window_argument(args[0]), *button);
  return 0;
}

int screenshot(const DesktopClient& desktop, const Args& args) {
  desktop.screenshot(window_argument(args[0]), args[1]);
  return 0;
}

int wait_for_window(const DesktopClient& desktop, const Args& args) {
  double seconds = 10;
  if (args.size() == 2) {
    char* end = nullptr;
    seconds = std::strtod(args[1].c_str(), &end);
    if (end == args[1].c_str() || *end || seconds < 0) return fail("not a number of seconds: " + args[1]);
  }
  auto limit = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
  std::printf("%s\n", handle_text(desktop.wait_for(args[0], limit)).c_str());
  return 0;
}

// The window menu and the caption buttons.
int pick_system_menu(const DesktopClient& desktop, const Args& args) {
  desktop.pick_system_menu(window_argument(args[0]), args[1]);
  return 0;
}
int minimize(const DesktopClient& desktop, const Args& args) {
  desktop.minimize(window_argument(args[0]));
  return 0;
}
int restore(const DesktopClient& desktop, const Args& args) {
  desktop.restore(window_argument(args[0]));
  return 0;
}

// List boxes: INDEX<TAB>TEXT<TAB>SELECTED (1 or 0) per item.
int list_items(const DesktopClient& desktop, const Args& args) {
  auto items = desktop.items(window_argument(args[0]), id_argument(args[1]));
  for (size_t i = 0; i < items.size(); ++i)
    std::printf("%u\t%s\t%d\n", unsigned(i), one_line(items[i].text).c_str(), items[i].selected ? 1 : 0);
  return 0;
}
int select_item(const DesktopClient& desktop, const Args& args) {
  desktop.select(window_argument(args[0]), id_argument(args[1]), args[2]);
  return 0;
}

struct Action {
  const char* name;
  size_t min_args, max_args;
  int (*run)(const DesktopClient&, const Args&);
};

constexpr Action kActions[] = {
    {"windows", 0, 0, list_windows}, {"controls", 1, 1, list_controls}, {"type", 3, 3, type_text},
    {"click", 2, 2, click},          {"hover", 2, 2, hover},            {"key", 2, 2, press_key},
    {"close", 1, 1, close_window},   {"answer", 2, 2, answer_box},      {"screenshot", 2, 2, screenshot},
    {"wait", 1, 2, wait_for_window},
    // the window menu and the caption buttons
    {"sysmenu", 2, 2, pick_system_menu}, {"minimize", 1, 1, minimize}, {"restore", 1, 1, restore},
    // list boxes
    {"items", 2, 2, list_items}, {"select", 3, 3, select_item},
};

constexpr const char* kUsage =
    "usage: winsim desktop log | opened | clipboard | windows | controls HWND | type HWND ID TEXT | click HWND ID |\n"
    "                      hover HWND ID | key HWND KEY | close HWND | answer HWND BUTTON |\n"
    "                      screenshot HWND FILE.png | wait CAPTION [SECONDS] |\n"
    "                      sysmenu HWND TEXT | minimize HWND | restore HWND |\n"
    "                      items HWND ID | select HWND ID TEXT";

}  // namespace

int desktop_command(const Args& args) {
  if (args.empty()) return fail(kUsage);
  Args rest(args.begin() + 1, args.end());
  if (args[0] == "log" && rest.empty()) return attach_machine() ? print_log() : 1;
  if (args[0] == "opened" && rest.empty()) return attach_machine() ? print_opened() : 1;
  if (args[0] == "clipboard" && rest.empty()) return attach_machine() ? print_clipboard() : 1;
  for (const Action& action : kActions) {
    if (args[0] != action.name) continue;
    if (rest.size() < action.min_args || rest.size() > action.max_args) return fail(kUsage);
    if (!attach_machine()) return 1;
    try {
      return action.run(DesktopClient(), rest);
    } catch (const AutomationError& e) {
      return fail(e.what());
    }
  }
  return fail(kUsage);
}

}  // namespace platform::tool
