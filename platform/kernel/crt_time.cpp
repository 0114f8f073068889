// The C runtime's time() on the machine clock. Defined in the program, it takes the place of the
// C library's (and the sanitizer runtime's, which is linked first and would otherwise satisfy the
// reference): the kernel is linked whole, this file with it. _get_timezone reads the machine's
// time zone, not the host's.
#include <errno.h>
#include <time.h>
#include <windows.h>

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

// The zone's standard time only: the runtime keeps daylight saving time apart (_get_dstbias).
extern "C" errno_t _get_timezone(long* seconds) {
  if (!seconds) return EINVAL;
  TIME_ZONE_INFORMATION zone;
  GetTimeZoneInformation(&zone);
  *seconds = long(zone.Bias + zone.StandardBias) * 60;
  return 0;
}
