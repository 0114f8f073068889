// The machine's change signals, which RAS and the network rely on to wake their watchers.
#include <chrono>
#include <thread>

#include "kernel/machine_signal.h"
#include "support/machine_fixture.h"

namespace {

using namespace std::chrono;
namespace signal = platform::machine_signal;

class MachineSignalTest : public testing_support::MachineTest {};

TEST_F(MachineSignalTest, AWaitEndsWithABumpAndOnlyThen) {
  EXPECT_EQ(signal::generation("test"), 0u);
  uint64_t seen = signal::generation("test");
  auto started = steady_clock::now();
  EXPECT_FALSE(signal::wait_change({{"test", seen}}, 50));
  EXPECT_GE(steady_clock::now() - started, milliseconds(45));

  std::thread bumper([] {
    std::this_thread::sleep_for(milliseconds(30));
    signal::bump("other");  // not waited for
    signal::bump("test");
  });
  started = steady_clock::now();
  EXPECT_TRUE(signal::wait_change({{"test", seen}}, 5000));
  EXPECT_LT(steady_clock::now() - started, milliseconds(2000));
  bumper.join();
  EXPECT_EQ(signal::generation("test"), seen + 1);
  // A generation already past the one given ends the wait at once.
  EXPECT_TRUE(signal::wait_change({{"other", 0}, {"test", seen}}, 0xFFFFFFFF));
}

TEST_F(MachineSignalTest, AnInterruptEndsAWaitWithoutAChange) {
  std::thread interrupter([] {
    std::this_thread::sleep_for(milliseconds(30));
    signal::interrupt_waits();
  });
  auto started = steady_clock::now();
  EXPECT_FALSE(signal::wait_change({{"test", signal::generation("test")}}, 20000));
  EXPECT_LT(steady_clock::now() - started, milliseconds(10000));
  interrupter.join();
}

}  // namespace
