#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/windows_time.h"

namespace {

using testing_support::file_time;
using testing_support::kUnixEpochTicks;
using testing_support::text;
using testing_support::ticks;

SYSTEMTIME date(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD ms = 0) {
  SYSTEMTIME t{};
  t.wYear = y;
  t.wMonth = mo;
  t.wDay = d;
  t.wHour = h;
  t.wMinute = mi;
  t.wSecond = s;
  t.wMilliseconds = ms;
  return t;
}

uint64_t to_ticks(const SYSTEMTIME& t) {
  FILETIME f{};
  EXPECT_TRUE(SystemTimeToFileTime(&t, &f)) << text(t);
  return ticks(f);
}

std::string from_ticks(uint64_t t) {
  FILETIME f = file_time(t);
  SYSTEMTIME s{};
  if (!FileTimeToSystemTime(&f, &s)) return "fails";
  return text(s);
}

TEST(TimeConversionTest, CalendarDatesAndFileTimesAgree) {
  EXPECT_EQ(to_ticks(date(1601, 1, 1)), 0u);
  EXPECT_EQ(from_ticks(0), "1601-01-01 00:00:00.000 dow1");
  EXPECT_EQ(to_ticks(date(1970, 1, 1)), kUnixEpochTicks);
  EXPECT_EQ(from_ticks(kUnixEpochTicks), "1970-01-01 00:00:00.000 dow4");
  // 2000 is a leap year, 1900 and 2100 are not; the day after Feb 28.
  EXPECT_EQ(from_ticks(to_ticks(date(2000, 2, 28)) + 864000000000ULL), "2000-02-29 00:00:00.000 dow2");
  EXPECT_EQ(from_ticks(to_ticks(date(2100, 2, 28)) + 864000000000ULL), "2100-03-01 00:00:00.000 dow1");
  EXPECT_EQ(from_ticks(to_ticks(date(2024, 12, 31, 23, 59, 59, 999)) + 9999), "2024-12-31 23:59:59.999 dow2");
  EXPECT_EQ(from_ticks(to_ticks(date(2024, 12, 31, 23, 59, 59, 999)) + 10000), "2025-01-01 00:00:00.000 dow3");
  EXPECT_EQ(from_ticks(0x7FFFFFFFFFFFFFFFULL).substr(0, 10), "30828-09-1");
  EXPECT_EQ(from_ticks(0x8000000000000000ULL), "fails");
}

TEST(TimeConversionTest, InvalidSystemTimesAreRefused) {
  for (const SYSTEMTIME& bad : {date(2023, 2, 29), date(1900, 2, 29), date(2024, 13, 1), date(2024, 4, 31),
                                date(2024, 1, 0), date(2024, 1, 1, 24), date(2024, 1, 1, 0, 60),
                                date(2024, 1, 1, 0, 0, 60), date(2024, 1, 1, 0, 0, 0, 1000), date(1600, 12, 31)}) {
    FILETIME f{};
    SetLastError(0);
    EXPECT_FALSE(SystemTimeToFileTime(&bad, &f)) << text(bad);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  }
  SYSTEMTIME leap = date(2024, 2, 29);
  leap.wDayOfWeek = 6;  // ignored
  FILETIME f{};
  EXPECT_TRUE(SystemTimeToFileTime(&leap, &f));
}

TEST(TimeZoneTest, DaylightRulesOfAGivenZone) {
  // Standard time UTC-5; daylight time UTC-4 from the second Sunday of March 02:00 to the first
  // Sunday of November 02:00.
  TIME_ZONE_INFORMATION zone{};
  zone.Bias = 300;
  zone.DaylightBias = -60;
  zone.DaylightDate = date(0, 3, 2, 2);
  zone.DaylightDate.wDayOfWeek = 0;
  zone.StandardDate = date(0, 11, 1, 2);
  zone.StandardDate.wDayOfWeek = 0;
  auto local = [&](const SYSTEMTIME& utc) {
    SYSTEMTIME out{};
    EXPECT_TRUE(SystemTimeToTzSpecificLocalTime(&zone, &utc, &out));
    return text(out).substr(0, 19);
  };
  EXPECT_EQ(local(date(2024, 1, 15, 12)), "2024-01-15 07:00:00");
  EXPECT_EQ(local(date(2024, 7, 1, 12)), "2024-07-01 08:00:00");
  EXPECT_EQ(local(date(2024, 3, 10, 6, 59, 59)), "2024-03-10 01:59:59");  // just before the change
  EXPECT_EQ(local(date(2024, 3, 10, 7)), "2024-03-10 03:00:00");
  EXPECT_EQ(local(date(2024, 11, 3, 5, 59, 59)), "2024-11-03 01:59:59");  // still daylight time
  EXPECT_EQ(local(date(2024, 11, 3, 6)), "2024-11-03 01:00:00");
  // "Fifth" means the last: the last Sunday of March 2024 is the 31st.
  zone.DaylightDate.wDay = 5;
  EXPECT_EQ(local(date(2024, 3, 31, 6, 59)), "2024-03-31 01:59:00");
  EXPECT_EQ(local(date(2024, 3, 31, 7)), "2024-03-31 03:00:00");
}

}  // namespace
