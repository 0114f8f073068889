#include <time.h>
#include <windows.h>

#include <string>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "support/machine_fixture.h"
#include "support/windows_time.h"

namespace {

using testing_support::kUnixEpochTicks;
using testing_support::MachineTest;
using testing_support::text;
using testing_support::ticks;

class TimeTest : public MachineTest {};

constexpr int64_t kSecond = 1'000'000'000LL;

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

}  // namespace
