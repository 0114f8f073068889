// Dialling tests: a machine whose clock runs fast (the default world's servers take 3 s to
// answer, a dial that nobody answers 30 s), with the machine tool at hand.
#pragma once

#include <string>
#include <vector>

#include "machine/clock.h"
#include "ras/ras_fixture.h"
#include "support/program_runner.h"

namespace ras_testing {

class RasDialTest : public RasTest {
 protected:
  static constexpr double kScale = 50;

  void SetUp() override {
    RasTest::SetUp();
    platform::machine::Options options;
    options.scale = kScale;
    recreate(options);
  }

  testing_support::Finished winsim(const std::vector<std::string>& args) {
    return testing_support::run_program(testing_support::bin_dir() / "winsim", args);
  }
  void world_set(const std::vector<std::string>& statement) {
    std::vector<std::string> args{"world", "set"};
    args.insert(args.end(), statement.begin(), statement.end());
    auto result = winsim(args);
    ASSERT_EQ(result.exit_code, 0) << result.err;
  }
  // An all-users VPN entry with alice's credentials for all users (the default world's account).
  void add_entry(const std::u16string& name, const std::u16string& server, const std::u16string& password = u"secret") {
    ASSERT_EQ(make_vpn_entry(name, server), 0u);
    ASSERT_EQ(set_credentials(name, RASCM_UserName | RASCM_Password | RASCM_DefaultCreds, u"alice", password), 0u);
  }
  // Dials with the stored credentials, as a program does.
  DWORD dial(const std::u16string& name, HRASCONN* connection) {
    RASDIALPARAMSW params{};
    params.dwSize = sizeof params;
    platform::ras::put(params.szEntryName, name);
    BOOL stored = FALSE;
    if (DWORD error = RasGetEntryDialParamsW(nullptr, &params, &stored)) return error;
    *connection = nullptr;
    return RasDialW(nullptr, nullptr, &params, 0, nullptr, connection);
  }
  static int64_t machine_ms() { return platform::clock::now_ns() / 1000000; }
};

}  // namespace ras_testing
