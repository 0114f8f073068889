#include <windows.h>

#include "machine/clock.h"
#include "kernel/wait.h"
#include "support/machine_fixture.h"

namespace {

using testing_support::MachineTest;

class ClockTest : public MachineTest {};

TEST_F(ClockTest, ManualClockDrivesTimedWaits) {
  platform::clock::set_manual(1'000'000'000'000'000'000LL);
  int64_t start = platform::clock::now_ns();
  platform::clock::advance(5'000'000'000LL);
  EXPECT_EQ(platform::clock::now_ns() - start, 5'000'000'000LL);
}

}  // namespace
