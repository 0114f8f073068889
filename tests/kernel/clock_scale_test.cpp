#include <time.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "support/machine_fixture.h"
#include "support/windows_time.h"
#include "sync_child.h"

namespace {

using testing_support::kUnixEpochTicks;
using testing_support::MachineTest;

constexpr uint64_t kTicksPerMs = 10000;

class ScaledClockTest : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    recreate(platform::machine::Options{100.0, 0});
  }
};

uint64_t machine_ticks() {
  FILETIME f;
  GetSystemTimeAsFileTime(&f);
  return testing_support::ticks(f);
}

uint64_t real_ticks() {
  auto since_1970 = std::chrono::system_clock::now().time_since_epoch();
  return kUnixEpochTicks + uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(since_1970).count() / 100);
}

double real_seconds_of(const std::function<void()>& action) {
  auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(ScaledClockTest, TwoProcessesAgreeOnTheMachineTime) {
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the machine runs ahead by 30 s
  uint64_t before = machine_ticks();
  ULONGLONG tick_before = GetTickCount64();
  sync_test::Child child("sync_clock_report", {});
  uint64_t child_time = std::stoull(child.line());
  ULONGLONG child_tick = std::stoull(child.line());
  long long child_seconds = std::stoll(child.line());
  ASSERT_EQ(child.wait(), 0);
  uint64_t after = machine_ticks();
  ULONGLONG tick_after = GetTickCount64();

  // What the child saw lies between the parent's readings, give or take 100 machine ms (1 real ms).
  EXPECT_GE(child_time + 100 * kTicksPerMs, before);
  EXPECT_LE(child_time, after + 100 * kTicksPerMs);
  EXPECT_GE(child_tick + 100, tick_before);
  EXPECT_LE(child_tick, tick_after + 100);
  EXPECT_GT(child_time, real_ticks() + 20'000 * kTicksPerMs);  // machine time, not real time
  EXPECT_NEAR(double(child_seconds), double((child_time - kUnixEpochTicks) / 10'000'000), 1.0);
}

TEST_F(ScaledClockTest, AMinuteOfMachineTimePassesInSixTenthsOfARealSecond) {
  HANDLE e = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD result = 0;
  ULONGLONG tick_before = GetTickCount64();
  double waited = real_seconds_of([&] { result = WaitForSingleObject(e, 60000); });
  EXPECT_EQ(result, DWORD(WAIT_TIMEOUT));
  EXPECT_GE(GetTickCount64() - tick_before, 60000u);
  EXPECT_GT(waited, 0.55);
  EXPECT_LT(waited, 1.5);

  double slept = real_seconds_of([] { Sleep(60000); });
  EXPECT_GT(slept, 0.55);
  EXPECT_LT(slept, 1.5);
  CloseHandle(e);
}

}  // namespace
