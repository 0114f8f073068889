#include "machine/clock.h"

#include <time.h>

#include <mutex>
#include <string>

#include "kernel/machine.h"
#include "kernel/wait.h"

namespace platform::clock {
namespace {

struct Settings {
  bool loaded = false;
  double scale = 1.0;
  int64_t real_epoch_ns = 0;     // real time at which the machine started
  int64_t machine_epoch_ns = 0;  // machine time at that moment
  int tz_bias = 0;
  bool manual = false;
  int64_t manual_now = 0;
};

std::mutex g_lock;
Settings g;

int64_t real_now_ns() {
  timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  return int64_t(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

int64_t parse(const std::string& text, int64_t fallback) {
  try {
    return text.empty() ? fallback : std::stoll(text);
  } catch (...) {
    return fallback;
  }
}

// Called with g_lock held.
void ensure_loaded() {
  if (g.loaded) return;
  g.loaded = true;
  if (!machine::attached()) {  // a process outside any machine sees real time
    g.real_epoch_ns = g.machine_epoch_ns = real_now_ns();
    return;
  }
  try {
    g.scale = std::stod(machine::config("scale", "1"));
  } catch (...) {
    g.scale = 1.0;
  }
  if (!(g.scale > 0)) g.scale = 1.0;
  int64_t now = real_now_ns();
  g.real_epoch_ns = parse(machine::config("real_epoch_ns"), now);
  g.machine_epoch_ns = parse(machine::config("machine_epoch_ns"), g.real_epoch_ns);
  g.tz_bias = int(parse(machine::config("tz_bias_minutes"), 0));
}

}  // namespace

int64_t now_ns() {
  std::lock_guard l(g_lock);
  ensure_loaded();
  if (g.manual) return g.manual_now;
  return g.machine_epoch_ns + int64_t(double(real_now_ns() - g.real_epoch_ns) * g.scale);
}

uint64_t since_boot_ms() {
  int64_t now = now_ns();
  std::lock_guard l(g_lock);
  return uint64_t((now - g.machine_epoch_ns) / 1000000);
}

double scale() {
  std::lock_guard l(g_lock);
  ensure_loaded();
  return g.scale;
}

int tz_bias_minutes() {
  std::lock_guard l(g_lock);
  ensure_loaded();
  return g.tz_bias;
}

std::chrono::nanoseconds real_duration(int64_t machine_ns) {
  return std::chrono::nanoseconds(int64_t(double(machine_ns) / scale()));
}

void start_machine_clock() {
  int64_t now = real_now_ns();
  machine::set_config("real_epoch_ns", std::to_string(now));
  machine::set_config("machine_epoch_ns", std::to_string(now));
  reload();
}

void reload() {
  std::lock_guard l(g_lock);
  bool manual = g.manual;
  int64_t manual_now = g.manual_now;
  g = Settings{};
  g.manual = manual;
  g.manual_now = manual_now;
}

void set_manual(int64_t now) {
  {
    std::lock_guard l(g_lock);
    ensure_loaded();
    g.manual = true;
    g.manual_now = now;
  }
  wait::notify_all();
}

void advance(int64_t machine_ns) {
  {
    std::lock_guard l(g_lock);
    g.manual_now += machine_ns;
  }
  wait::notify_all();
}

void set_real() {
  {
    std::lock_guard l(g_lock);
    g.manual = false;
  }
  wait::notify_all();
}

bool is_manual() {
  std::lock_guard l(g_lock);
  return g.manual;
}

}  // namespace platform::clock
