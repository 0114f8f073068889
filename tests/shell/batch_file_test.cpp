// cmd.exe running batch files: the lines of the installation batch file, its escapes and the
// built-in commands batch files use.
#include "shell_fixture.h"
#include "support/batch_argument.h"

namespace {

using shell_testing::ShellTest;
namespace fs = std::filesystem;

using testing_support::BatchArgument;

class BatchPasswords : public ShellTest {
 protected:
  // Runs one line per password, "winsim_echo.exe 0 -p PASSWORD" as the installation batch file
  // writes it, and checks that the program received each password as one argument, unchanged.
  void expect_passwords_arrive(const std::vector<std::string>& passwords) {
    std::string lines = "@echo off\r\n";
    for (const auto& password : passwords) lines += "winsim_echo.exe 0 -p " + BatchArgument(password) + "\r\n";
    auto run = run_batch("passwords.bat", lines);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    std::string expected;
    for (const auto& password : passwords) expected += "[0]\n[-p]\n[" + password + "]\ncwd=C:\\Tarvolt\n";
    EXPECT_EQ(run.out, expected);
  }
};

TEST_F(BatchPasswords, EscapedPasswordsReachTheProgramUnchanged) {
  expect_passwords_arrive({"plain", "a^b", "x>y<z", "p|q", "50%off", "%PATH%", "r&d", "1+1", "^^&%%+|", "^%PATH%^"});
}

// Quoted by the runtime's rules, where cmd.exe takes carets and the other signs literally.
TEST_F(BatchPasswords, QuotedPasswordsWithBlanksQuotesAndBackslashesReachTheProgramUnchanged) {
  expect_passwords_arrive({"two words", "tab\there", "a ^>b<|&+ %c%", "say \"hi\"", "\"", "x\\\"y z", "end\\ ",
                           "back\\slash\\", "\"^&\" ^&", "q\"^"});
}

TEST_F(ShellTest, ErrorLevelFollowsProgramsAndExitB) {
  auto run = run_batch("levels.bat",
                       "@echo off\r\n"
                       "winsim_echo.exe 7\r\n"
                       "echo level %ERRORLEVEL%\r\n"
                       "if errorlevel 7 echo at least seven\r\n"
                       "if not errorlevel 8 echo below eight\r\n"
                       "missing_program.exe\r\n"
                       "echo level %ERRORLEVEL%\r\n"
                       "exit /b 3\r\n"
                       "echo not reached\r\n");
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_NE(run.out.find("level 7\nat least seven\nbelow eight\nlevel 9009\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("not reached"), std::string::npos);
  EXPECT_NE(run.err.find("'missing_program.exe' is not recognized"), std::string::npos) << run.err;
}

TEST_F(ShellTest, BuiltinsWorkOnFilesAndFolders) {
  write("Tarvolt/data/old.txt", "old");
  write("Work Folder/keep.txt", "keep");
  auto run = run_batch("files.bat",
                       "@echo off\r\n"
                       "rem nothing happens here & echo nor here\r\n"
                       "echo from %~dp0 as %~nx0\r\n"
                       "copy data\\old.txt data\\new.txt\r\n"
                       "if exist data\\new.txt echo copied\r\n"
                       "del data\\old.txt\r\n"
                       "if not exist data\\old.txt echo deleted\r\n"
                       "del data\\gone.txt\r\n"
                       "cd /d \"C:\\Work Folder\"\r\n"
                       "cd\r\n"
                       "winsim_echo.exe 0\r\n"
                       "echo one & echo two\r\n"
                       "echo 100%% sure^!\r\n");
  EXPECT_EQ(run.out,
            "from C:\\Tarvolt\\ as files.bat\n"
            "        1 file(s) copied.\n"
            "copied\n"
            "deleted\n"
            "C:\\Work Folder\n"
            "one \n"
            "two\n"
            "100% sure!\n");
  EXPECT_EQ(read("Tarvolt/data/new.txt"), "old");
  // The program folder is no longer the current one, and it is not on the search path.
  EXPECT_NE(run.err.find("'winsim_echo.exe' is not recognized"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Could Not Find C:\\Tarvolt\\data\\gone.txt"), std::string::npos) << run.err;
}

TEST_F(ShellTest, EchoOnShowsEachLineWithItsPrompt) {
  auto run = run_batch("echo.bat", "echo hello\r\n@echo off\r\necho quiet\r\n");
  EXPECT_EQ(run.out, "\nC:\\Tarvolt>echo hello\nhello\nquiet\n");
}

}  // namespace
