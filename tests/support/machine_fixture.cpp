#include "support/machine_fixture.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "machine/clock.h"

namespace testing_support {
namespace {

const char kRootPrefix[] = "winsim-test-";

// A test process that was killed leaves its machines behind, hundreds of megabytes each: the
// first machine of a process removes those whose process is gone. A root's name carries the pid.
void remove_abandoned_machines() {
  static bool done = false;
  if (done) return;
  done = true;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path(), ignored)) {
    std::string name = entry.path().filename().string();
    if (name.rfind(kRootPrefix, 0) != 0) continue;
    std::string rest = name.substr(sizeof kRootPrefix - 1);
    size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.find_first_not_of("0123456789") != dash) continue;
    pid_t pid = static_cast<pid_t>(std::stol(rest.substr(0, dash)));
    if (kill(pid, 0) != 0 && errno == ESRCH) std::filesystem::remove_all(entry.path(), ignored);
  }
}

}  // namespace

std::filesystem::path create_machine(const platform::machine::Options& options) {
  remove_abandoned_machines();
  std::string pattern =
      (std::filesystem::temp_directory_path() / (kRootPrefix + std::to_string(getpid()) + "-XXXXXX")).string();
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
