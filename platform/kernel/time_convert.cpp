#include "kernel/time_convert.h"

namespace platform::time_convert {
namespace {

constexpr uint64_t kTicksPerDay = 864000000000ULL;
constexpr int64_t kDaysFrom1601To1970 = 134774;
constexpr int64_t kTicksFrom1601To1970 = kDaysFrom1601To1970 * int64_t(kTicksPerDay);

bool leap(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days since 1601-01-01 of a proleptic Gregorian date: the year counted from March, so that
// the leap day ends it (400-year eras of 146097 days).
int64_t days_since_1601(int64_t year, int month, int day) {
  year -= month <= 2;
  int64_t era = year / 400;  // years here are never negative
  int64_t year_of_era = year - era * 400;
  int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 584694;  // 584694: 0000-03-01 to 1601-01-01
}

void civil_from_days_since_1601(int64_t days, int64_t* year, int* month, int* day) {
  days += 584694;
  int64_t era = days / 146097;
  int64_t day_of_era = days - era * 146097;
  int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  int64_t shifted_month = (5 * day_of_year + 2) / 153;
  *day = int(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  *month = int(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  *year = year_of_era + era * 400 + (*month <= 2);
}

}  // namespace

uint64_t ticks_from_unix_ns(int64_t ns) { return uint64_t(kTicksFrom1601To1970 + ns / 100); }

uint64_t ticks(const FILETIME& time) { return (uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

FILETIME file_time(uint64_t ticks) { return FILETIME{DWORD(ticks & 0xFFFFFFFFu), DWORD(ticks >> 32)}; }

bool to_system_time(uint64_t ticks, SYSTEMTIME* out) {
  if (ticks > kMaxFileTime) return false;
  int64_t days = int64_t(ticks / kTicksPerDay);
  uint64_t in_day = ticks % kTicksPerDay;
  int64_t year;
  int month, day;
  civil_from_days_since_1601(days, &year, &month, &day);
  out->wYear = WORD(year);
  out->wMonth = WORD(month);
  out->wDay = WORD(day);
  out->wDayOfWeek = WORD((days + 1) % 7);  // 1601-01-01 was a Monday
  out->wHour = WORD(in_day / 36000000000ULL);
  out->wMinute = WORD(in_day / 600000000ULL % 60);
  out->wSecond = WORD(in_day / 10000000ULL % 60);
  out->wMilliseconds = WORD(in_day / 10000ULL % 1000);
  return true;
}

bool from_system_time(const SYSTEMTIME& t, uint64_t* ticks) {
  if (t.wYear < 1601 || t.wYear > 30827 || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1 ||
      t.wDay > days_in_month(t.wYear, t.wMonth) || t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 ||
      t.wMilliseconds > 999)
    return false;
  uint64_t days = uint64_t(days_since_1601(t.wYear, t.wMonth, t.wDay));
  *ticks = days * kTicksPerDay + ((uint64_t(t.wHour) * 60 + t.wMinute) * 60 + t.wSecond) * 10000000ULL +
           uint64_t(t.wMilliseconds) * 10000ULL;
  return true;
}

int days_in_month(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap(year) ? 29 : kDays[month - 1];
}

int day_of_week(int year, int month, int day) { return int((days_since_1601(year, month, day) + 1) % 7); }

}  // namespace platform::time_convert
