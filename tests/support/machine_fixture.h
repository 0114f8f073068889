// A fresh simulated machine in a temporary folder, attached to the test process.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "machine/root.h"

namespace testing_support {

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Recreates the machine with other options (a clock scale, a time-zone bias).
  void recreate(const platform::machine::Options& options);

  std::filesystem::path root_;
};

// A fresh machine in a new temporary folder, named by WINSIM_ROOT for this process and its
// children; an empty path when no folder could be made.
std::filesystem::path create_machine(const platform::machine::Options& options = {});
// Removes a machine made by create_machine and everything in it.
void remove_machine(const std::filesystem::path& root);

// The folder of the built programs (winsim and the system's programs).
std::filesystem::path bin_dir();
// The folder of the test programs (tests/programs).
std::filesystem::path program_dir();

}  // namespace testing_support
