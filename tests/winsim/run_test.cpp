#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;

class WinsimRun : public WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    ASSERT_EQ(winsim({"install", testing_support::program_dir().string()}).exit_code, 0);
  }
};

TEST_F(WinsimRun, ReturnsTheProgramsExitCodeAndOutputWithItsArgumentsIntact) {
  auto run = winsim({"run", "winsim_echo.exe", "7", "two words", "", "say \"hi\"", "C:\\trailing\\"});
  EXPECT_EQ(run.exit_code, 7) << run.err;
  EXPECT_EQ(run.out, "[7]\n[two words]\n[]\n[say \"hi\"]\n[C:\\trailing\\]\ncwd=C:\\Tarvolt\n");

  auto without_extension = winsim({"run", "WINSIM_ECHO", "0"});
  EXPECT_EQ(without_extension.exit_code, 0) << without_extension.err;
}

TEST_F(WinsimRun, RunsInTheDirectoryGiven) {
  auto run = winsim({"run", "--cwd", "C:\\Windows", "C:\\Tarvolt\\winsim_echo.exe", "3"});
  EXPECT_EQ(run.exit_code, 3) << run.err;
  EXPECT_EQ(run.out, "[3]\ncwd=C:\\Windows\n");
}

TEST_F(WinsimRun, AProgramThatIsNotThereCannotRun) {
  auto run = winsim({"run", "nosuch.exe"});
  EXPECT_EQ(run.exit_code, 127);
  EXPECT_EQ(run.err.rfind("winsim: cannot run nosuch.exe: ", 0), 0u) << run.err;
}

}  // namespace
