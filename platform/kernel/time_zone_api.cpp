// The machine's time zone (a fixed bias, no daylight saving time) and local time in any zone.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <windows.h>

#include "machine/clock.h"
#include "kernel/text.h"
#include "kernel/time_convert.h"

namespace {

namespace convert = platform::time_convert;

std::u16string zone_name(int bias_minutes) {
  if (bias_minutes == 0) return u"Coordinated Universal Time";
  int offset = std::abs(bias_minutes);
  char name[16];
  std::snprintf(name, sizeof name, "UTC%c%02d:%02d", bias_minutes < 0 ? '+' : '-', offset / 60, offset % 60);
  return platform::text::utf16(name);
}

void copy_name(const std::u16string& name, WCHAR (&out)[32]) {
  size_t n = std::min<size_t>(name.size(), 31);
  std::memcpy(out, name.data(), n * sizeof(WCHAR));
  out[n] = 0;
}

// When a rule of the zone takes effect in `year`, as a count in the local time it is given in.
// Day-in-month rules (wYear 0) name the wDay-th wDayOfWeek of the month, 5 being the last.
bool transition(int year, const SYSTEMTIME& rule, uint64_t* ticks) {
  SYSTEMTIME at = rule;
  if (rule.wYear == 0) {
    if (rule.wMonth < 1 || rule.wMonth > 12 || rule.wDay < 1 || rule.wDay > 5 || rule.wDayOfWeek > 6) return false;
    at.wYear = WORD(year);
    int first = convert::day_of_week(year, rule.wMonth, 1);
    int day = 1 + (rule.wDayOfWeek - first + 7) % 7 + 7 * (rule.wDay - 1);
    while (day > convert::days_in_month(year, rule.wMonth)) day -= 7;
    at.wDay = WORD(day);
  }
  return convert::from_system_time(at, ticks);
}

// The bias in minutes that `zone` has at the UTC count `utc`.
LONG bias_at(const TIME_ZONE_INFORMATION& zone, uint64_t utc) {
  if (zone.StandardDate.wMonth == 0 || zone.DaylightDate.wMonth == 0) return zone.Bias;
  LONG standard = zone.Bias + zone.StandardBias, daylight = zone.Bias + zone.DaylightBias;
  SYSTEMTIME local;
  if (!convert::to_system_time(utc - standard * convert::kTicksPerMinute, &local)) return standard;
  uint64_t start, end;  // daylight time begins in standard time and ends in daylight time
  if (!transition(local.wYear, zone.DaylightDate, &start) || !transition(local.wYear, zone.StandardDate, &end))
    return standard;
  start += standard * convert::kTicksPerMinute;
  end += daylight * convert::kTicksPerMinute;
  bool in_daylight = start < end ? (utc >= start && utc < end) : (utc >= start || utc < end);
  return in_daylight ? daylight : standard;
}

}  // namespace

extern "C" {

DWORD WINAPI GetTimeZoneInformation(LPTIME_ZONE_INFORMATION zone) {
  std::memset(zone, 0, sizeof *zone);
  zone->Bias = platform::clock::tz_bias_minutes();
  std::u16string name = zone_name(zone->Bias);
  copy_name(name, zone->StandardName);
  copy_name(name, zone->DaylightName);
  return TIME_ZONE_ID_UNKNOWN;
}

BOOL WINAPI SystemTimeToTzSpecificLocalTime(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc,
                                            LPSYSTEMTIME local) {
  TIME_ZONE_INFORMATION machine_zone;
  if (!zone) {
    GetTimeZoneInformation(&machine_zone);
    zone = &machine_zone;
  }
  uint64_t ticks;
  if (!convert::from_system_time(*utc, &ticks)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  int64_t local_ticks = int64_t(ticks) - int64_t(bias_at(*zone, ticks)) * convert::kTicksPerMinute;
  if (local_ticks < 0 || !convert::to_system_time(uint64_t(local_ticks), local)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
