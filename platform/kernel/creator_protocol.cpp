#include "kernel/creator_protocol.h"

#include <fcntl.h>
#include <signal.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "kernel/fd_object.h"

namespace platform::creator {
namespace {

constexpr const char* kHandles = "WINSIM_HANDLES";
constexpr const char* kStdio = "WINSIM_STDIO";
constexpr const char* kConsole = "WINSIM_CONSOLE";
constexpr const char* kParentConsole = "WINSIM_PARENT_CONSOLE";

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// A descriptor number from the creator, made close-on-exec so that it reaches no grandchild
// unless handed on; -1 when it is not open.
int adopt_fd(const std::string& text) {
  char* end = nullptr;
  long fd = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || fd < 0 || fcntl(int(fd), F_SETFD, FD_CLOEXEC) != 0) return -1;
  return int(fd);
}

HANDLE handle_value(const std::string& text) {
  return reinterpret_cast<HANDLE>(uintptr_t(std::strtoull(text.c_str(), nullptr, 10)));
}

StdSlot parse_slot(const std::string& text) {
  if (text == "c") return {StdSlot::kConsole};
  if (text == "f") return {StdSlot::kDescriptor};
  if (text.size() > 1 && text[0] == 'h') return {StdSlot::kHandle, handle_value(text.substr(1))};
  return {};
}

Inheritance parse() {
  Inheritance in;
  const char* stdio = std::getenv(kStdio);
  if (!stdio) return in;
  in.from_creator = true;
  std::vector<std::string> slots = split(stdio, ',');
  for (size_t i = 0; i < in.std_slots.size() && i < slots.size(); ++i) in.std_slots[i] = parse_slot(slots[i]);
  if (const char* list = std::getenv(kHandles)) {
    for (const std::string& entry : split(list, ',')) {
      size_t colon = entry.find(':');
      if (colon == std::string::npos) continue;
      int fd = adopt_fd(entry.substr(colon + 1));
      if (fd >= 0) in.handles.emplace_back(handle_value(entry.substr(0, colon)), fd);
    }
  }
  if (const char* fd = std::getenv(kConsole)) in.console_fd = adopt_fd(fd);
  if (const char* fd = std::getenv(kParentConsole)) in.parent_console_fd = adopt_fd(fd);
  return in;
}

std::string slot_text(const StdSlot& slot) {
  switch (slot.kind) {
    case StdSlot::kConsole: return "c";
    case StdSlot::kDescriptor: return "f";
    case StdSlot::kHandle: return "h" + std::to_string(reinterpret_cast<uintptr_t>(slot.handle));
    case StdSlot::kNone: break;
  }
  return "-";
}

}  // namespace

const Inheritance& received() {
  static const Inheritance inheritance = parse();
  return inheritance;
}

std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> startup_handles() {
  signal(SIGPIPE, SIG_IGN);
  std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> objects;
  for (auto [value, fd] : received().handles) objects.emplace_back(value, std::make_shared<FdObject>(fd));
  return objects;
}

std::vector<std::string> environment(const Inheritance& child) {
  std::string handles;
  for (auto [value, fd] : child.handles) {
    if (!handles.empty()) handles += ',';
    handles += std::to_string(reinterpret_cast<uintptr_t>(value)) + ':' + std::to_string(fd);
  }
  std::string stdio;
  for (const StdSlot& slot : child.std_slots) stdio += (stdio.empty() ? "" : ",") + slot_text(slot);
  std::vector<std::string> env = {std::string(kHandles) + '=' + handles, std::string(kStdio) + '=' + stdio};
  if (child.console_fd >= 0) env.push_back(std::string(kConsole) + '=' + std::to_string(child.console_fd));
  if (child.parent_console_fd >= 0)
    env.push_back(std::string(kParentConsole) + '=' + std::to_string(child.parent_console_fd));
  return env;
}

bool is_protocol_variable(const std::string& name) {
  static const char* const names[] = {"WINSIM_ROOT", "WINSIM_IMAGE", "WINSIM_CMDLINE", "WINSIM_CWD",
                                      kHandles,      kStdio,         kConsole,         kParentConsole};
  return std::any_of(std::begin(names), std::end(names), [&](const char* n) { return name == n; });
}

}  // namespace platform::creator
