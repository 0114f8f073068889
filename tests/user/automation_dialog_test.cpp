#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

#include "automation/channel_socket.h"
#include "support/winsim_fixture.h"

namespace {

using namespace testing_support;

class DesktopDialog : public WinsimTest {
 protected:
  Finished desktop(std::vector<std::string> args) {
    args.insert(args.begin(), "desktop");
    return winsim(args);
  }
  // The window `wait` found, or empty.
  std::string wait_for(const std::string& caption) {
    auto wait = desktop({"wait", caption, "60"});
    EXPECT_EQ(wait.exit_code, 0) << wait.err;
    return wait.out.empty() ? "" : wait.out.substr(0, wait.out.size() - 1);
  }
};

// `winsim run PROGRAM` in the background, its output into a file. Not through a thread of
// run_program: a pipe made for another child meanwhile would be inherited and never see its end.
class Background {
 public:
  Background(const std::string& program, const std::filesystem::path& out) : out_(out) {
    std::string winsim = (bin_dir() / "winsim").string();
    char* argv[] = {winsim.data(), const_cast<char*>("run"), const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, winsim.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
  }
  // A failed step leaves the program waiting for its user: end it, so that the test ends too.
  ~Background() {
    if (!pid_) return;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(platform::automation::channel_folder(), ignored))
      if (auto pid = platform::automation::pid_of_socket(entry.path())) kill(pid_t(*pid), SIGKILL);
    finish();
  }
  bool started() const { return pid_ != 0; }
  // Its exit code and output, once it ended.
  Finished finish() {
    Finished result;
    int status = 0;
    if (pid_ && waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    pid_ = 0;
    std::ifstream in(out_);
    result.out.assign(std::istreambuf_iterator<char>(in), {});
    return result;
  }

 private:
  pid_t pid_ = 0;
  std::filesystem::path out_;
};

TEST_F(DesktopDialog, ADialogAndItsMessageBoxDrivenFromOutside) {
  ASSERT_EQ(winsim({"install", program_dir().string()}).exit_code, 0);
  Background run("automation_dialog.exe", root_ / "program.out");
  ASSERT_TRUE(run.started());

  std::string dialog = wait_for("Automation Probe");
  ASSERT_FALSE(dialog.empty());
  ASSERT_EQ(desktop({"type", dialog, "101", "Zo\xC3\xAB"}).exit_code, 0);
  ASSERT_EQ(desktop({"type", dialog, "102", "s3cret"}).exit_code, 0);
  auto controls = desktop({"controls", dialog});
  EXPECT_NE(controls.out.find("\tEdit\tZo\xC3\xAB\t"), std::string::npos) << controls.out;
  EXPECT_NE(controls.out.find("\tEdit\ts3cret\t"), std::string::npos) << controls.out;  // a password's real text
  EXPECT_NE(controls.out.find("\tButton\tOK\t"), std::string::npos) << controls.out;
  EXPECT_EQ(desktop({"click", dialog, "999"}).exit_code, 1);

  std::filesystem::path shot = root_ / "probe.png";
  auto screenshot = desktop({"screenshot", dialog, shot.string()});
  EXPECT_EQ(screenshot.exit_code, 0) << screenshot.err;
  std::ifstream png(shot, std::ios::binary);
  char signature[8] = {};
  png.read(signature, 8);
  EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1A\n");

  // Enter presses the default button, OK.
  ASSERT_EQ(desktop({"key", dialog, "Enter"}).exit_code, 0);
  std::string box = wait_for("Probe Question");
  ASSERT_FALSE(box.empty());
  auto wrong = desktop({"answer", box, "Retry"});
  EXPECT_EQ(wrong.err, "winsim: the message box " + box + " has no Retry button\n");
  ASSERT_EQ(desktop({"answer", box, "No"}).exit_code, 0);

  Finished program = run.finish();
  EXPECT_EQ(program.exit_code, 0);
  EXPECT_EQ(program.out, "1\nZo\xC3\xAB\ns3cret\n7\n");
  auto log = desktop({"log"});
  EXPECT_NE(log.out.find("\"Probe Question\"  \"Save the entry?\"  [YesNo]  -> No"), std::string::npos) << log.out;
  EXPECT_TRUE(desktop({"windows"}).out.empty());
}

}  // namespace
