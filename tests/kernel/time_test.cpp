#include <time.h>
#include <windows.h>

#include <string>

#include "kernel/clock.h"
#include "kernel/machine.h"
#include "support/machine_fixture.h"

namespace {

using testing_support::MachineTest;

class TimeTest : public MachineTest {};

constexpr uint64_t kUnixEpochTicks = 116444736000000000ULL;
constexpr int64_t kSecond = 1'000'000'000LL;

uint64_t ticks(const FILETIME& f) { return (uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime; }
FILETIME file_time(uint64_t t) { return FILETIME{DWORD(t), DWORD(t >> 32)}; }

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

std::string text(const SYSTEMTIME& t) {
  char out[64];
  snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d.%03d dow%d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
           t.wSecond, t.wMilliseconds, t.wDayOfWeek);
  return out;
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

TEST_F(TimeTest, EveryTimeFunctionFollowsTheMachineClock) {
  int64_t epoch = std::stoll(platform::machine::config("machine_epoch_ns"));
  int64_t start = 1'900'000'000LL * kSecond + 250'000'000LL;  // 2030-03-17 17:46:40.250 UTC
  platform::clock::set_manual(start);
  SYSTEMTIME now{};
  GetSystemTime(&now);
  EXPECT_EQ(text(now), "2030-03-17 17:46:40.250 dow0");
  FILETIME f{};
  GetSystemTimeAsFileTime(&f);
  EXPECT_EQ(ticks(f), kUnixEpochTicks + uint64_t(start / 100));
  EXPECT_EQ(time(nullptr), time_t(1'900'000'000));  // the C runtime's time too
  time_t stored = 0;
  time(&stored);
  EXPECT_EQ(stored, time_t(1'900'000'000));

  LARGE_INTEGER frequency, before, after;
  ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
  QueryPerformanceCounter(&before);
  DWORD tick = GetTickCount();
  ULONGLONG tick64 = GetTickCount64();
  EXPECT_EQ(tick64, ULONGLONG((start - epoch) / 1'000'000));
  platform::clock::advance(2 * kSecond + 5'000'000);
  QueryPerformanceCounter(&after);
  EXPECT_EQ(after.QuadPart - before.QuadPart, 2 * frequency.QuadPart + frequency.QuadPart / 200);
  EXPECT_EQ(GetTickCount() - tick, 2005u);
  EXPECT_EQ(GetTickCount64() - tick64, 2005u);

  // After 2^32 ms of machine time the 32-bit count starts again.
  platform::clock::set_manual(epoch + (int64_t(1) << 32) * 1'000'000 + 7'000'000);
  EXPECT_EQ(GetTickCount(), 7u);
  EXPECT_EQ(GetTickCount64(), (ULONGLONG(1) << 32) + 7);
}

TEST_F(TimeTest, LocalTimeIsUtcMinusTheMachineBias) {
  recreate(platform::machine::Options{1.0, -150});  // UTC+02:30
  platform::clock::set_manual(1'700'000'000LL * kSecond);  // 2023-11-14 22:13:20 UTC
  SYSTEMTIME local{};
  GetLocalTime(&local);
  EXPECT_EQ(text(local), "2023-11-15 00:43:20.000 dow3");

  TIME_ZONE_INFORMATION zone;
  EXPECT_EQ(GetTimeZoneInformation(&zone), DWORD(TIME_ZONE_ID_UNKNOWN));
  EXPECT_EQ(zone.Bias, -150);
  EXPECT_EQ(zone.StandardDate.wMonth, 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(zone.StandardName)), u"UTC+02:30");

  FILETIME utc, shifted, back;
  GetSystemTimeAsFileTime(&utc);
  ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &shifted));
  EXPECT_EQ(ticks(shifted) - ticks(utc), 150ULL * 600000000ULL);
  ASSERT_TRUE(LocalFileTimeToFileTime(&shifted, &back));
  EXPECT_EQ(ticks(back), ticks(utc));

  SYSTEMTIME utc_now{}, converted{};
  GetSystemTime(&utc_now);
  ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc_now, &converted));
  EXPECT_EQ(text(converted), text(local));
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
