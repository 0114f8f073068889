// RasConnectionNotification. A process that arms one runs one watcher thread, which sleeps
// until the machine signals "ras", "world" or "routes" move (no polling), then looks at the
// live connections again and sets the events of the connections that ended or began.
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "kernel/event.h"
#include "kernel/handles.h"
#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "ras/connections.h"

namespace platform::ras {
namespace {

constexpr uint64_t kAnyConnection = 0;
constexpr const char* kSignals[] = {"ras", "world", "routes"};
constexpr uint32_t kForever = 0xFFFFFFFF;

struct Registration {
  std::filesystem::path machine;  // the root it was armed in
  uint64_t connection;  // kAnyConnection for every connection of the machine
  std::shared_ptr<Event> event;
  DWORD flags;
  std::set<uint64_t> known;  // for kAnyConnection: the connections live when last looked at
};

struct Watcher {
  std::mutex lock;
  std::vector<Registration> registrations;
  bool running = false;
};

// Lives as long as the process: the watcher thread is never joined.
Watcher& watcher() {
  static auto* w = new Watcher;
  return *w;
}

std::set<uint64_t> live_ids() {
  std::set<uint64_t> ids;
  for (const Connection& c : live_connections()) ids.insert(c.id);
  return ids;
}

bool any_missing(const std::set<uint64_t>& from, const std::set<uint64_t>& in) {
  return std::any_of(from.begin(), from.end(), [&](uint64_t id) { return !in.count(id); });
}

// Whether registrations of this machine are left; those armed in a machine the process has
// left (tests attach to one machine after another) end unseen.
bool any_registered() {
  Watcher& w = watcher();
  std::lock_guard held(w.lock);
  const std::filesystem::path& current = machine::root();
  std::erase_if(w.registrations, [&](const Registration& r) { return r.machine != current; });
  return !w.registrations.empty();
}

// Sets the events of what changed; a registration for one connection ends with it.
void look_again() {
  if (!any_registered()) return;
  std::set<uint64_t> live = live_ids();
  Watcher& w = watcher();
  std::lock_guard held(w.lock);
  std::erase_if(w.registrations, [&](Registration& r) {
    if (r.connection != kAnyConnection) {
      if (live.count(r.connection)) return false;
      if (r.flags & RASCN_Disconnection) r.event->set();
      return true;
    }
    if (((r.flags & RASCN_Disconnection) && any_missing(r.known, live)) ||
        ((r.flags & RASCN_Connection) && any_missing(live, r.known)))
      r.event->set();
    r.known = live;
    return false;
  });
}

void watch() {
  for (;;) {
    std::vector<std::pair<std::string, uint64_t>> seen;
    for (const char* name : kSignals) seen.emplace_back(name, machine_signal::generation(name));
    look_again();
    machine_signal::wait_change(seen, kForever);
  }
}

DWORD arm(HRASCONN connection, HANDLE event_handle, DWORD flags) {
  auto event = handles::get_as<Event>(event_handle);
  if (!event) return ERROR_INVALID_HANDLE;
  const bool any = connection == reinterpret_cast<HRASCONN>(INVALID_HANDLE_VALUE);
  Registration registration{machine::root(), any ? kAnyConnection : handle_value(connection), event, flags, {}};
  if (any) registration.known = live_ids();
  Watcher& w = watcher();
  {
    std::lock_guard held(w.lock);
    w.registrations.push_back(registration);
    if (!w.running) {
      w.running = true;
      std::thread(watch).detach();
    }
  }
  // Looked at only once registered, so that a drop from now on cannot pass unseen.
  if (!any && !live_connection(registration.connection)) {
    std::lock_guard held(w.lock);
    std::erase_if(w.registrations, [&](const Registration& r) {
      return r.connection == registration.connection && r.event == event;
    });
    return ERROR_INVALID_HANDLE;
  }
  // The watcher may be waiting on another machine's signals (after attach()).
  machine_signal::interrupt_waits();
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::ras

extern "C" {

DWORD WINAPI RasConnectionNotificationA(HRASCONN hrasconn, HANDLE hEvent, DWORD dwFlags) {
  return platform::ras::arm(hrasconn, hEvent, dwFlags);
}

DWORD WINAPI RasConnectionNotificationW(HRASCONN hrasconn, HANDLE hEvent, DWORD dwFlags) {
  return platform::ras::arm(hrasconn, hEvent, dwFlags);
}

}  // extern "C"
