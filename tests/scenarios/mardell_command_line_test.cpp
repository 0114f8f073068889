// Mardell's start-up as an installer script sees it: errors of the command line, of the
// decryption and of the program folder reach the parent console and "unattended.log", or a
// message box in an interactive run; nothing else happens then.
#include "cipher/parameter_encoder.h"
#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;

// On the console each line ends in "\n"; the log is text with CR LF line ends.
std::string InLog(const std::string& console) {
  std::string log;
  for (char c : console) log += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return log;
}

class MardellCommandLine : public MardellTest {
 protected:
  // Runs the wizard to its end and checks what the console and the log received.
  void expect_message(const std::vector<std::string>& args, const std::string& expected) {
    auto finished = run("mardell.exe", args);
    EXPECT_EQ(finished.out, expected) << args.front();
    EXPECT_EQ(unattended_log(), InLog(expected)) << args.front();
  }
};

TEST_F(MardellCommandLine, ErrorsGoToTheConsoleAndTheLogInArgumentOrder) {
  expect_message({"-s", "a", "-s", "b", "-s", "c", "-s", "d", "-x"},
                 "Invalid Command Line Args:\nd: No more than 3 servers should be specified\n"
                 "x: Unrecognized flag\n\n");
  expect_message({"-r", "192.168.1.2"},
                 "Invalid Command Line Args:\nNot enough arguments to run the setup wizard in unattended mode: "
                 "Missing -s, -u and [-p | -ep] options\n\n");
  expect_message({"/S", "vpn1", "-u"},
                 "Invalid Command Line Args:\nS: Unrecognized flag\nvpn1: Unexpected parameter\n"
                 "Unexpected end of command line\n\n");
  expect_message({"-s", "vpn1", "-u", "alice", "-p", "secret", "-ep", "QUJD"},
                 "Invalid Command Line Args:\nOnly one of -p or -ep should be specified\n\n");
  EXPECT_TRUE(boxes().empty()) << "a console run shows no box";
}

TEST_F(MardellCommandLine, AValueThatDoesNotDecodeEndsTheRun) {
  std::string password = cipher_testing::EncryptParameter("s3cret!", "install-pw");
  std::string key = cipher_testing::EncryptParameter("psk-key-1", "install-pw");
  const std::string kFailed = "ERROR:\nUnable to decrypt encrypted parameters.\n";
  expect_message({"-s", "vpn1", "-u", "alice", "-ep", password, "-d", "wrong-pw"}, kFailed);
  // A good password does not help a damaged key.
  expect_message({"-s", "vpn1", "-u", "alice", "-ep", password, "-ek", key.substr(4), "-d", "install-pw"}, kFailed);
  EXPECT_TRUE(boxes().empty());
}

TEST_F(MardellCommandLine, MissingProgramFilesAreNamedInTableOrder) {
  fs::remove(program_folder() / "sornet.exe");
  fs::remove(program_folder() / "uninstallservice.bat");
  const std::string kText =
      "Setup is missing some dependencies. \nuninstallservice.bat sornet.exe \nExiting setup wizard now";
  expect_message({"-s", "vpn1", "-u", "alice", "-p", "secret"}, "Dependency Error:\n" + kText + "\n");

  // Interactive: the same text in a box, and nothing on the console.
  platform::machine::set_config("desktop.box_timeout_ms", "0");
  auto finished = run("mardell.exe");
  EXPECT_EQ(finished.out, "");
  auto logged = boxes();
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0].program, "mardell.exe");
  EXPECT_EQ(logged[0].caption, "Dependency Error");
  // The desktop log keeps a box's text on one line: its line breaks show as "\n".
  EXPECT_EQ(logged[0].text, std::regex_replace(kText, std::regex("\n"), "\\n"));
  EXPECT_EQ(unattended_log(), "") << "a new run empties the log";
}

}  // namespace
