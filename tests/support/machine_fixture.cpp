#include "support/machine_fixture.h"

#include <stdlib.h>
#include <unistd.h>

#include "kernel/clock.h"

namespace testing_support {

void MachineTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "winsim-test-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  root_ = pattern;
  // Child processes find the machine the same way the test does.
  setenv("WINSIM_ROOT", root_.c_str(), 1);
  platform::machine::create(root_, platform::machine::Options{});
  platform::clock::set_real();  // a manual clock of an earlier test in this process ends here
}

void MachineTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void MachineTest::recreate(const platform::machine::Options& options) {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
  platform::machine::create(root_, options);
}

std::filesystem::path bin_dir() { return TEST_BIN_DIR; }

std::filesystem::path program_dir() { return TEST_PROGRAM_DIR; }

}  // namespace testing_support
