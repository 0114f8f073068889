#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "machine/clock.h"
#include "support/machine_fixture.h"

namespace {

using testing_support::MachineTest;

class WaitTest : public MachineTest {};

void real_sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

TEST_F(WaitTest, TimedWaitsEndExactlyWhenMachineTimePasses) {
  platform::clock::set_manual(1'700'000'000'000'000'000LL);
  HANDLE e = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> started{0};
  std::atomic<int> done{0};
  std::atomic<DWORD> result{0};
  std::thread waiter([&] {
    ++started;
    result = WaitForSingleObject(e, 1000);
    ++done;
  });
  std::thread sleeper([&] {
    ++started;
    Sleep(1500);
    ++done;
  });
  // Both must be inside their waits before the clock moves: a wait begun after a move would
  // count from there. Real time meanwhile does not move a manual clock.
  while (started < 2) real_sleep(10);
  real_sleep(300);
  EXPECT_EQ(done, 0);
  platform::clock::advance(999'000'000LL);
  real_sleep(100);
  EXPECT_EQ(done, 0);
  platform::clock::advance(1'000'000LL);
  waiter.join();
  EXPECT_EQ(result, DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(done, 1);
  platform::clock::advance(499'000'000LL);
  real_sleep(100);
  EXPECT_EQ(done, 1);
  platform::clock::advance(1'000'000LL);
  sleeper.join();
  EXPECT_EQ(done, 2);
  CloseHandle(e);
}

}  // namespace
