// Runs the built machine tool against the test's machine (or another root).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/machine_fixture.h"
#include "support/program_runner.h"

namespace testing_support {

class WinsimTest : public MachineTest {
 protected:
  Finished winsim(const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {}) {
    return run_program(bin_dir() / "winsim", args, env);
  }
  // A folder inside the test's root that holds no machine yet.
  Finished winsim_at(const std::filesystem::path& root, const std::vector<std::string>& args) {
    return winsim(args, {{"WINSIM_ROOT", root.string()}});
  }
};

}  // namespace testing_support
