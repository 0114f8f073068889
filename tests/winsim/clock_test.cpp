#include <chrono>
#include <regex>
#include <thread>

#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;

class WinsimClock : public WinsimTest {};

long long tick_count(const std::string& out) {
  std::smatch m;
  if (!std::regex_search(out, m, std::regex("Tick count: +([0-9]+)"))) return -1;
  return std::stoll(m[1]);
}

TEST_F(WinsimClock, ShowsTheMachinesTimeRunningAtItsScale) {
  std::filesystem::path fast = root_ / "fast";
  ASSERT_EQ(winsim_at(fast, {"init", "--scale", "60"}).exit_code, 0);
  auto first = winsim_at(fast, {"clock"});
  ASSERT_EQ(first.exit_code, 0) << first.err;
  EXPECT_TRUE(std::regex_search(first.out, std::regex("UTC time: +\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z\n")))
      << first.out;
  EXPECT_TRUE(std::regex_search(first.out, std::regex("Local time: +\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\n")))
      << first.out;
  EXPECT_NE(first.out.find("Scale:       60\n"), std::string::npos) << first.out;

  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  auto second = winsim_at(fast, {"clock"});
  long long machine_ms = tick_count(second.out) - tick_count(first.out);
  EXPECT_GE(machine_ms, 300 * 60) << "at least the real time between the two, times the scale";
  EXPECT_LT(machine_ms, 60 * 60 * 1000);
}

}  // namespace
