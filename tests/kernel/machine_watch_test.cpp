#include <gtest/gtest.h>

#include "kernel/process_test_helpers.h"

namespace {

using process_testing::ProcessTest;

class MachineWatchTest : public ProcessTest {};

// A program that would wait for ever (gate.exe holds until a file appears) ends once the machine
// it runs in is removed: a removed test machine must not leave its services running.
TEST_F(MachineWatchTest, AProcessEndsWhenItsMachineIsRemoved) {
  install("gate", "Tarvolt");
  PROCESS_INFORMATION pi{};
  ASSERT_EQ(process_testing::start(u"C:\\Tarvolt\\gate.exe", &pi), 0u);
  EXPECT_EQ(process_testing::wait_for(pi.hProcess, 1500), DWORD(WAIT_TIMEOUT)) << "gate.exe holds while its machine stands";
  testing_support::remove_machine(root_);
  EXPECT_EQ(process_testing::wait_for(pi.hProcess, 30000), DWORD(WAIT_OBJECT_0));
  process_testing::close_process(pi);
}

}  // namespace
