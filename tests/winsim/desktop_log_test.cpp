#include <regex>

#include "kernel/machine.h"
#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;

class WinsimDesktopLog : public WinsimTest {};

TEST_F(WinsimDesktopLog, ListsTheBoxesOfAProgramWithTheirDefaultAnswers) {
  ASSERT_EQ(winsim({"install", testing_support::program_dir().string()}).exit_code, 0);
  auto empty = winsim({"desktop", "log"});
  EXPECT_EQ(empty.exit_code, 0) << empty.err;
  EXPECT_EQ(empty.out, "");

  platform::machine::set_config("desktop.box_timeout_ms", "0");  // unanswered boxes take their default at once
  auto run = winsim({"run", "message_box_probe.exe"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  // OK; the second button (No); a third button the box lacks gives the first (Retry).
  EXPECT_EQ(run.out, "1\n7\n4\n0 1438\n");

  auto log = winsim({"desktop", "log"});
  ASSERT_EQ(log.exit_code, 0) << log.err;
  std::string time = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d";
  std::regex expected("^" + time + "  message_box_probe\\.exe  \"Error\"  \"Access is denied\\.\\\\r\\\\n\"  \\[OK\\]  -> OK \\(default\\)\n" +
                      time + "  message_box_probe\\.exe  \"Caf\xC3\xA9\"  \"Save changes\\?\"  \\[YesNoCancel\\]  -> No \\(default\\)\n" +
                      time + "  message_box_probe\\.exe  \"Pardex\"  \"Retry\\?\"  \\[RetryCancel\\]  -> Retry \\(default\\)\n$");
  EXPECT_TRUE(std::regex_match(log.out, expected)) << log.out;
}

}  // namespace
