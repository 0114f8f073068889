#include "support/machine_fixture.h"

#include <stdlib.h>
#include <unistd.h>

#include "machine/clock.h"

namespace testing_support {

std::filesystem::path create_machine(const platform::machine::Options& options) {
  std::string pattern = (std::filesystem::temp_directory_path() / "winsim-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  std::filesystem::path root = pattern;
  // Child processes find the machine the same way the test does.
  setenv("WINSIM_ROOT", root.c_str(), 1);
  platform::machine::create(root, options);
  platform::clock::set_real();  // a manual clock of an earlier test in this process ends here
  return root;
}

void remove_machine(const std::filesystem::path& root) {
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
}

void MachineTest::SetUp() {
  root_ = create_machine();
  ASSERT_FALSE(root_.empty());
}

void MachineTest::TearDown() { remove_machine(root_); }

void MachineTest::recreate(const platform::machine::Options& options) {
  remove_machine(root_);
  platform::machine::create(root_, options);
}

std::filesystem::path bin_dir() { return TEST_BIN_DIR; }

std::filesystem::path program_dir() { return TEST_PROGRAM_DIR; }

}  // namespace testing_support
