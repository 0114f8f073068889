// A fresh simulated machine in a temporary folder, attached to the test process.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kernel/machine.h"

namespace testing_support {

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Recreates the machine with other options (a clock scale, a time-zone bias).
  void recreate(const platform::machine::Options& options);

  std::filesystem::path root_;
};

// The folder of the built programs (winsim and the system's programs).
std::filesystem::path bin_dir();
// The folder of the test programs (tests/programs).
std::filesystem::path program_dir();

}  // namespace testing_support
