#include "user/screen.h"

#include <cstdlib>
#include <string>

#include "kernel/machine.h"

namespace platform::user::screen {
namespace {

constexpr int kTaskbar = 40;

LONG configured(const char* key, LONG fallback) {
  std::string value = machine::config(key);
  long n = value.empty() ? 0 : std::strtol(value.c_str(), nullptr, 10);
  return n > 0 ? LONG(n) : fallback;
}

}  // namespace

SIZE size() { return SIZE{configured("desktop.screen_width", 1024), configured("desktop.screen_height", 768)}; }

RECT work_area() {
  SIZE s = size();
  return RECT{0, 0, s.cx, s.cy - kTaskbar};
}

}  // namespace platform::user::screen
