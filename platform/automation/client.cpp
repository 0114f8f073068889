#include "automation/client.h"

#include <signal.h>

#include <algorithm>
#include <thread>

#include "automation/channel_socket.h"
#include "user/message_box_buttons.h"

namespace platform::automation {

using namespace user;
namespace {

// A record line may carry a long text; a reply this long is a broken server.
constexpr size_t kReplyLineLimit = 16 << 20;

std::string process_name(uint32_t pid) { return "process " + std::to_string(pid); }

Reply unreachable(uint32_t pid, const std::string& why) {
  return Reply::error(Failure::Unreachable, process_name(pid) + " " + why);
}

Reply timed_out(uint32_t pid) { return Reply::error(Failure::TimedOut, process_name(pid) + " does not answer"); }

Reply read_reply(uint32_t pid, int fd, Deadline deadline) {
  LineReader reader(fd, kReplyLineLimit);
  auto line = reader.next(deadline);
  auto header = line ? decode_reply_header(*line) : std::nullopt;
  if (!header) {
    if (reader.status() == LineReader::Status::TimedOut) return timed_out(pid);
    return unreachable(pid, line ? "sent a malformed reply" : "closed the channel");
  }
  if (header->failure != Failure::None) return Reply::error(header->failure, header->message);
  Reply reply;
  for (size_t i = 0; i < header->records; ++i) {
    auto record_line = reader.next(deadline);
    if (!record_line) return reader.status() == LineReader::Status::TimedOut ? timed_out(pid) : unreachable(pid, "broke off its reply");
    auto record = split_fields(*record_line);
    if (!record) return unreachable(pid, "sent a malformed reply");
    reply.records.push_back(std::move(*record));
  }
  return reply;
}

std::vector<WindowInfo> windows_of(uint32_t pid, const Reply& reply) {
  std::vector<WindowInfo> windows;
  for (const Fields& record : reply.records) {
    auto window = window_from_record(record);
    if (!window) throw AutomationError(Failure::Unreachable, process_name(pid) + " sent a malformed window");
    windows.push_back(std::move(*window));
  }
  return windows;
}

void throw_if_failed(const Reply& reply) {
  if (!reply.succeeded()) throw AutomationError(reply.failure, reply.message);
}

}  // namespace

DesktopClient::DesktopClient(std::chrono::milliseconds reply_limit) : reply_limit_(reply_limit) {}

std::vector<uint32_t> DesktopClient::processes() const {
  std::vector<uint32_t> pids;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(channel_folder(), error)) {
    auto pid = pid_of_socket(entry.path());
    if (!pid) continue;
    if (kill(pid_t(*pid), 0) != 0 && errno == ESRCH) {
      std::filesystem::remove(entry.path(), error);
      continue;
    }
    pids.push_back(*pid);
  }
  std::sort(pids.begin(), pids.end());
  return pids;
}

Reply DesktopClient::request(uint32_t pid, const Fields& request) const {
  Deadline deadline = deadline_after(reply_limit_);
  std::filesystem::path folder = channel_folder();
  Connection connection = connect_to(folder, socket_name(pid), deadline);
  switch (connection.status) {
    case ConnectStatus::Connected: break;
    case ConnectStatus::Missing: return unreachable(pid, "has no desktop");
    case ConnectStatus::TimedOut: return timed_out(pid);
    case ConnectStatus::Dead: {
      // Its process ended without removing it; a pid's new process makes a socket of its own.
      std::error_code ignored;
      std::filesystem::remove(folder / socket_name(pid), ignored);
      return unreachable(pid, "has ended");
    }
  }
  if (!write_all(connection.fd.get(), join_fields(request) + "\n", deadline)) return timed_out(pid);
  return read_reply(pid, connection.fd.get(), deadline);
}

DesktopListing DesktopClient::windows() const {
  DesktopListing listing;
  for (uint32_t pid : processes()) {
    Reply identity = request(pid, {"process"});
    Reply windows = identity.succeeded() ? request(pid, {"windows"}) : identity;
    if (windows.failure == Failure::TimedOut) listing.silent.push_back(pid);
    if (!windows.succeeded() || identity.records.size() != 1 || identity.records[0].size() != 2) continue;
    for (WindowInfo& window : windows_of(pid, windows))
      listing.windows.push_back({pid, identity.records[0][1], std::move(window)});
  }
  return listing;
}

uint32_t DesktopClient::owner_of(WindowHandle hwnd) const {
  std::string silent;
  for (uint32_t pid : processes()) {
    Reply reply = request(pid, {"owns", handle_text(hwnd)});
    if (reply.succeeded()) return pid;
    if (reply.failure == Failure::TimedOut) silent += (silent.empty() ? " (" : ", ") + process_name(pid);
  }
  if (!silent.empty())
    throw AutomationError(Failure::TimedOut, "no window " + handle_text(hwnd) + silent + " does not answer)");
  throw AutomationError(Failure::NotFound, "no window " + handle_text(hwnd));
}

Reply DesktopClient::act(WindowHandle hwnd, const Fields& fields) const {
  Reply reply = request(owner_of(hwnd), fields);
  throw_if_failed(reply);
  return reply;
}

std::vector<WindowInfo> DesktopClient::controls(WindowHandle hwnd) const {
  uint32_t pid = owner_of(hwnd);
  Reply reply = request(pid, {"controls", handle_text(hwnd)});
  throw_if_failed(reply);
  return windows_of(pid, reply);
}

void DesktopClient::type_text(WindowHandle hwnd, uint32_t id, const std::string& utf8_text) const {
  act(hwnd, {"type", handle_text(hwnd), std::to_string(id), utf8_text});
}

void DesktopClient::click(WindowHandle hwnd, uint32_t id) const {
  act(hwnd, {"click", handle_text(hwnd), std::to_string(id)});
}

std::string DesktopClient::hover(WindowHandle hwnd, uint32_t id, std::chrono::milliseconds limit) const {
  uint32_t pid = owner_of(hwnd);
  throw_if_failed(request(pid, {"hover", handle_text(hwnd), std::to_string(id)}));
  Deadline deadline = deadline_after(limit);
  for (;;) {
    Reply reply = request(pid, {"tip", handle_text(hwnd), std::to_string(id)});
    if (reply.succeeded() && reply.records.size() == 1 && reply.records[0].size() == 1) return reply.records[0][0];
    if (reply.failure != Failure::NotFound || std::chrono::steady_clock::now() >= deadline) {
      throw_if_failed(reply);
      throw AutomationError(Failure::BadRequest, "malformed reply to a tip request");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void DesktopClient::press_key(WindowHandle hwnd, uint16_t virtual_key) const {
  act(hwnd, {"key", handle_text(hwnd), std::to_string(virtual_key)});
}

void DesktopClient::close(WindowHandle hwnd) const { act(hwnd, {"close", handle_text(hwnd)}); }

// The window menu and the caption buttons.
void DesktopClient::pick_system_menu(WindowHandle hwnd, const std::string& item) const {
  act(hwnd, {"sysmenu", handle_text(hwnd), item});
}
void DesktopClient::minimize(WindowHandle hwnd) const { act(hwnd, {"minimize", handle_text(hwnd)}); }
void DesktopClient::restore(WindowHandle hwnd) const { act(hwnd, {"restore", handle_text(hwnd)}); }

// List boxes.
std::vector<ListItem> DesktopClient::items(WindowHandle hwnd, uint32_t id) const {
  Reply reply = act(hwnd, {"items", handle_text(hwnd), std::to_string(id)});
  std::vector<ListItem> items;
  for (const Fields& record : reply.records) {
    if (record.size() != 3 || record[0] != std::to_string(items.size()))
      throw AutomationError(Failure::Unreachable, "malformed list box item from the owner of " + handle_text(hwnd));
    items.push_back({record[1], record[2] == "1"});
  }
  return items;
}
void DesktopClient::select(WindowHandle hwnd, uint32_t id, const std::string& utf8_text) const {
  act(hwnd, {"select", handle_text(hwnd), std::to_string(id), utf8_text});
}

void DesktopClient::answer(WindowHandle hwnd, int button_id) const {
  Reply reply = request(owner_of(hwnd), {"click", handle_text(hwnd), std::to_string(button_id)});
  if (reply.failure == Failure::NotFound)
    throw AutomationError(Failure::NotFound,
                          "the message box " + handle_text(hwnd) + " has no " + answer_name(button_id) + " button");
  throw_if_failed(reply);
}

void DesktopClient::screenshot(WindowHandle hwnd, const std::filesystem::path& png) const {
  act(hwnd, {"screenshot", handle_text(hwnd), std::filesystem::absolute(png).string()});
}

WindowHandle DesktopClient::wait_for(const std::string& caption, std::chrono::milliseconds limit) const {
  Deadline deadline = deadline_after(limit);
  for (;;) {
    for (const DesktopWindow& w : windows().windows)
      if (w.window.visible && w.window.text == caption) return w.window.hwnd;
    if (std::chrono::steady_clock::now() >= deadline)
      throw AutomationError(Failure::TimedOut, "no window \"" + escape(caption) + "\" appeared");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace platform::automation
