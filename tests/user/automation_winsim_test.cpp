#include <string>
#include <vector>

#include "user/automation_fixture.h"
#include "support/program_runner.h"

namespace {

using namespace testing_support;

class WinsimDesktop : public AutomationTest {
 protected:
  Finished desktop(std::vector<std::string> args) {
    args.insert(args.begin(), "desktop");
    return run_program(bin_dir() / "winsim", args);
  }
  void expect_refused(const std::vector<std::string>& args, const std::string& message) {
    auto run = desktop(args);
    EXPECT_EQ(run.exit_code, 1) << args[0];
    EXPECT_EQ(run.out, "") << args[0];
    EXPECT_EQ(run.err, "winsim: " + message + "\n") << args[0];
  }
};

TEST_F(WinsimDesktop, ListsWindowsAndControlsInColumns) {
  std::string pid = std::to_string(getpid());
  auto windows = desktop({"windows"});
  EXPECT_EQ(windows.exit_code, 0) << windows.err;
  EXPECT_EQ(windows.out, "00010010\t" + pid + "\tpardex.exe\t#32770\tConnect to Caf\xC3\xA9\\tVPN\tyes\n");

  auto controls = desktop({"controls", "0x00010010"});
  EXPECT_EQ(controls.exit_code, 0) << controls.err;
  EXPECT_EQ(controls.out,
            "0\t00010018\t#32770\t\t00000000\tyes\tno\tno\n"
            "1001\t0001001A\tEdit\thidden\t00000000\tyes\tno\tno\n"
            "1001\t100010012\tEdit\talice\t50010080\tyes\tyes\tyes\n"
            "1\t00010014\tButton\tOK\t00000000\tyes\tyes\tno\n"
            "1002\t00010016\tButton\t&Details\t00000000\tno\tyes\tno\n");

  // A handle above 4 GiB, as printed, names its window; its low half names none.
  auto edit = desktop({"controls", "100010012"});
  EXPECT_EQ(edit.exit_code, 0) << edit.err;
  EXPECT_EQ(edit.out, "");
  expect_refused({"controls", "00010012"}, "no window 00010012");
}

TEST_F(WinsimDesktop, DrivesControlsByTheirIds) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"type", "10010", "1001", "p\xC3\xA4ss\tword"},
           {"click", "10010", "1"},
           {"key", "10010", "Escape"},
           {"answer", "10010", "ok"},
           {"close", "10010"},
           {"screenshot", "10010", "/tmp/dialog.png"}}) {
    auto run = desktop(args);
    EXPECT_EQ(run.exit_code, 0) << args[0] << ": " << run.err;
    EXPECT_EQ(run.out, "") << args[0];
  }
  auto calls = desktop_.calls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_TRUE(calls[0].text == u"p\u00E4ss\tword");
  EXPECT_EQ(calls[1].hwnd, kOk);
  EXPECT_EQ(calls[2].key, VK_ESCAPE);
  EXPECT_EQ(calls[3].hwnd, kOk);
  EXPECT_EQ(calls[4].hwnd, kDialog);
  EXPECT_EQ(calls[5].path, "/tmp/dialog.png");
}

TEST_F(WinsimDesktop, RefusalsExitWithOneAndSayWhy) {
  expect_refused({"click", "10010", "1002"}, "control 1002 of window 00010010 cannot be clicked (hidden or disabled)");
  expect_refused({"answer", "10010", "Yes"}, "the message box 00010010 has no Yes button");
  expect_refused({"answer", "10010", "Maybe"}, "unknown button 'Maybe' (OK Cancel Yes No Retry Ignore Abort TryAgain Continue)");
  expect_refused({"key", "10010", "Hyper"}, "unknown key 'Hyper' (Enter, Escape, Tab, Space, F1, A, ...)");
  expect_refused({"close", "BEEF"}, "no window 0000BEEF");
  expect_refused({"controls", "window"}, "not a window handle: window");
  expect_refused({"wait", "Nobody", "0.2"}, "no window \"Nobody\" appeared");
  EXPECT_TRUE(desktop_.calls().empty());
}

TEST_F(WinsimDesktop, WaitPrintsTheWindowOnceItExists) {
  auto run = desktop({"wait", "Connect to Caf\xC3\xA9\tVPN", "5"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "00010010\n");
}

}  // namespace
