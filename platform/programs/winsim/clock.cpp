// winsim clock: the machine's time as its programs see it.
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "commands.h"
#include "machine/clock.h"
#include "machine_root.h"

namespace platform::tool {
namespace {

// "2024-05-01T12:00:00.123" for a time in nanoseconds since 1970.
std::string iso_time(int64_t ns) {
  time_t seconds = time_t(ns / 1000000000);
  int millis = int(ns / 1000000 % 1000);
  tm parts;
  gmtime_r(&seconds, &parts);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", parts.tm_year + 1900, parts.tm_mon + 1,
                parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, millis);
  return text;
}

}  // namespace

int clock_command(const Args& args) {
  if (!args.empty()) return fail("clock takes no arguments");
  if (!attach_machine()) return 1;
  int64_t now = clock::now_ns();
  int64_t local = now - int64_t(clock::tz_bias_minutes()) * 60 * 1000000000;
  std::printf("UTC time:    %sZ\n", iso_time(now).c_str());
  std::printf("Local time:  %s\n", iso_time(local).c_str());
  std::printf("Scale:       %g\n", clock::scale());
  // GetTickCount's 32-bit count of milliseconds since the machine started.
  std::printf("Tick count:  %lu\n", static_cast<unsigned long>(uint32_t(clock::since_boot_ms())));
  return 0;
}

}  // namespace platform::tool
