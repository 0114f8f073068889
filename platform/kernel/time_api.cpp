// Tick counts, system and local time, file-time conversions and the performance counter, all
// on the machine clock.
#include <windows.h>

#include "machine/clock.h"
#include "kernel/time_convert.h"

namespace {

namespace convert = platform::time_convert;

uint64_t now_ticks() { return convert::ticks_from_unix_ns(platform::clock::now_ns()); }

int64_t bias_ticks() { return int64_t(platform::clock::tz_bias_minutes()) * convert::kTicksPerMinute; }

// `ticks` moved by `delta`, or false when that leaves the range of a file time.
bool shift(uint64_t ticks, int64_t delta, FILETIME* out) {
  if ((delta < 0 && ticks < uint64_t(-delta)) || (delta > 0 && ticks + uint64_t(delta) > convert::kMaxFileTime)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  *out = convert::file_time(ticks + uint64_t(delta));
  return true;
}

}  // namespace

extern "C" {

DWORD WINAPI GetTickCount(void) { return DWORD(platform::clock::since_boot_ms()); }  // wraps after 49.7 days

ULONGLONG WINAPI GetTickCount64(void) { return platform::clock::since_boot_ms(); }

void WINAPI GetSystemTime(LPSYSTEMTIME out) { convert::to_system_time(now_ticks(), out); }

void WINAPI GetLocalTime(LPSYSTEMTIME out) { convert::to_system_time(now_ticks() - bias_ticks(), out); }

void WINAPI GetSystemTimeAsFileTime(LPFILETIME out) { *out = convert::file_time(now_ticks()); }

BOOL WINAPI FileTimeToSystemTime(const FILETIME* file_time, LPSYSTEMTIME out) {
  if (!convert::to_system_time(convert::ticks(*file_time), out)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* system_time, LPFILETIME out) {
  uint64_t ticks;
  if (!convert::from_system_time(*system_time, &ticks)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *out = convert::file_time(ticks);
  return TRUE;
}

BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* utc, LPFILETIME local) {
  return shift(convert::ticks(*utc), -bias_ticks(), local);
}

BOOL WINAPI LocalFileTimeToFileTime(const FILETIME* local, LPFILETIME utc) {
  return shift(convert::ticks(*local), bias_ticks(), utc);
}

// Counts 100-ns intervals of machine time.
BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count) {
  count->QuadPart = platform::clock::now_ns() / 100;
  return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
  frequency->QuadPart = 10000000;
  return TRUE;
}

}  // extern "C"
