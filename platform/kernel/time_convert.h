// Conversions between machine time, FILETIME counts and SYSTEMTIME calendar dates.
#pragma once

#include <cstdint>

#include <windows.h>

namespace platform::time_convert {

// FILETIME counts 100-ns intervals since 1601-01-01 UTC; FileTimeToSystemTime takes counts up to this.
constexpr uint64_t kMaxFileTime = 0x7FFFFFFFFFFFFFFFULL;
constexpr int64_t kTicksPerMinute = 600000000LL;

// The count of a machine time in nanoseconds since 1970 (clock::now_ns()).
uint64_t ticks_from_unix_ns(int64_t ns);

uint64_t ticks(const FILETIME& time);
FILETIME file_time(uint64_t ticks);

// False for a count beyond kMaxFileTime.
bool to_system_time(uint64_t ticks, SYSTEMTIME* out);
// False for an invalid date or time (wDayOfWeek is ignored).
bool from_system_time(const SYSTEMTIME& time, uint64_t* ticks);

// Calendar helpers for time-zone rules.
int days_in_month(int year, int month);
// 0 for Sunday.
int day_of_week(int year, int month, int day);

}  // namespace platform::time_convert
