// The C runtime's time() on the machine clock. Defined in the program, it takes the place of the
// C library's (and the sanitizer runtime's, which is linked first and would otherwise satisfy the
// reference): the kernel is linked whole, this file with it.
#include <time.h>

#include "machine/clock.h"

namespace {

// Reading the clock's settings may reach code that calls time() itself; that inner call gets
// real time instead of coming back here.
thread_local bool t_reading_clock = false;

int64_t machine_seconds() {
  if (t_reading_clock) {
    timespec real;
    clock_gettime(CLOCK_REALTIME, &real);
    return real.tv_sec;
  }
  t_reading_clock = true;
  int64_t ns = platform::clock::now_ns();
  t_reading_clock = false;
  return ns / 1000000000LL;
}

}  // namespace

extern "C" time_t time(time_t* out) noexcept {
  time_t now = time_t(machine_seconds());
  if (out) *out = now;
  return now;
}
