// The wizard's child processes and file helpers in a fresh machine: real programs, real pipes,
// the shell's delete.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "file_exists.h"
#include "run_and_capture.h"
#include "shell_delete_file.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace {

namespace fs = std::filesystem;
using testing_support::U;

class WizardChildProcessTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    folder_ = root_ / "drive_c" / "Program Folder";
    fs::create_directories(folder_);
    for (const char* program : {"proc_probe.exe", "stderr_writer.exe"})
      fs::copy_file(testing_support::program_dir() / program, folder_ / program);
    ASSERT_TRUE(GetCurrentDirectoryW(MAX_PATH, saved_));
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Program Folder"));
  }
  void TearDown() override {
    SetCurrentDirectoryW(saved_);
    MachineTest::TearDown();
  }

  fs::path folder_;
  WCHAR saved_[MAX_PATH] = {};
};

TEST_F(WizardChildProcessTest, CollectsEverythingTheChildWrites) {
  CString output = L"kept ";
  ASSERT_TRUE(RunAndCapture(L"proc_probe exit 0", output));
  EXPECT_EQ(U(output), u"kept ") << "a silent child adds nothing";

  CString errors;
  ASSERT_TRUE(RunAndCapture(L"stderr_writer only errors", errors));
  EXPECT_EQ(U(errors), u"only errors") << "standard error shares the pipe";

  // More than one read's worth arrives whole.
  std::u16string word(3000, u'w');
  CString longOutput;
  ASSERT_TRUE(RunAndCapture(CString(L"stderr_writer ") + testing_support::W(word), longOutput));
  EXPECT_EQ(U(longOutput), word);
}

TEST_F(WizardChildProcessTest, AMissingProgramIsReportedAndAddsNothing) {
  CString output = L"before";
  EXPECT_FALSE(RunAndCapture(L"no_such_program -d", output));
  EXPECT_EQ(U(output), u"before");
}

TEST_F(WizardChildProcessTest, WaitsForTheGrandchildThatHoldsThePipe) {
  // The child ends at once; the grandchild inherited the pipe and writes later.
  CString output;
  ASSERT_TRUE(RunAndCapture(L"proc_probe spawn proc_probe hold 300 late", output));
  EXPECT_EQ(U(output), u"late");
}

TEST_F(WizardChildProcessTest, FilesFoldersAndPatternsExist) {
  std::ofstream(folder_ / "uninstallservice.bat") << "tarvolt -d\r\n";
  fs::create_directories(folder_ / "logs");
  EXPECT_TRUE(FileExists(L"UNINSTALLSERVICE.BAT"));
  EXPECT_TRUE(FileExists(L"logs")) << "a folder counts";
  EXPECT_TRUE(FileExists(L"*.bat"));
  EXPECT_FALSE(FileExists(L"sornet.exe"));
  EXPECT_FALSE(FileExists(L"*.txt"));
}

TEST_F(WizardChildProcessTest, DeletesForGoodAndFailsQuietlyOnAMissingFile) {
  std::ofstream(folder_ / "installservice.bat") << "secret\r\n";
  EXPECT_TRUE(ShellDeleteFile(L"installservice.bat"));
  EXPECT_FALSE(fs::exists(folder_ / "installservice.bat"));
  EXPECT_FALSE(ShellDeleteFile(L"installservice.bat"));
}

}  // namespace
