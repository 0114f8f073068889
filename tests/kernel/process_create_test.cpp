#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "kernel/paths.h"
#include "kernel/process_test_helpers.h"

namespace {

using namespace process_testing;

class ProcessCreateTest : public ProcessTest {
 protected:
  // The exit code of `line`, or 1000 + the error when it did not start.
  DWORD outcome(const std::u16string& line, const std::u16string& application = u"") {
    PROCESS_INFORMATION pi;
    DWORD error = start(line, &pi, FALSE, 0, nullptr, application);
    if (error) return 1000 + error;
    DWORD code = exit_code_of(pi.hProcess);
    close_process(pi);
    return code;
  }
};

// proc_marker exits with 42: it stands for "the other program of that name was found".
TEST_F(ProcessCreateTest, ProgramFolderComesBeforeSystem32AndExeIsAppended) {
  install("proc_probe", "Tarvolt", "tool.exe");
  install("proc_marker", "Windows/System32", "tool.exe");
  EXPECT_EQ(outcome(u"tool exit 7"), 7u);
  EXPECT_EQ(outcome(u"TOOL.EXE exit 8"), 8u);
  std::filesystem::remove(root_ / "drive_c/Tarvolt/tool.exe");
  EXPECT_EQ(outcome(u"tool exit 7"), 42u);
}

TEST_F(ProcessCreateTest, CurrentDirectoryComesBeforeSystem32) {
  install("proc_probe", "Work", "tool.exe");
  install("proc_marker", "Windows/System32", "tool.exe");
  std::u16string before = platform::paths::current_directory();
  ASSERT_TRUE(platform::paths::set_current_directory(u"C:\\Work"));
  EXPECT_EQ(outcome(u"tool exit 7"), 7u);
  platform::paths::set_current_directory(before);
}

TEST_F(ProcessCreateTest, MissingAndNonExecutableFilesAreRefused) {
  EXPECT_EQ(outcome(u"nothing_here exit 1"), 1000u + ERROR_FILE_NOT_FOUND);
  install("proc_probe", "Tarvolt");
  // The application name is taken as given: no ".exe" is added to it.
  EXPECT_EQ(outcome(u"proc_probe exit 1", u"C:\\Tarvolt\\proc_probe"), 1000u + ERROR_FILE_NOT_FOUND);
  std::ofstream(root_ / "drive_c/Tarvolt/notes.exe") << "not a program\n";
  EXPECT_EQ(outcome(u"notes"), 1000u + ERROR_BAD_EXE_FORMAT);
  std::filesystem::create_directories(root_ / "drive_c/Tarvolt/folder.exe");
  EXPECT_EQ(outcome(u"folder"), 1000u + ERROR_FILE_NOT_FOUND);
}

// The updater puts an archived program in place with a copy: the copy must run like the original.
TEST_F(ProcessCreateTest, ACopiedProgramRuns) {
  install("proc_probe", "Tarvolt");
  ASSERT_TRUE(CopyFileW(reinterpret_cast<const WCHAR*>(u"C:\\Tarvolt\\proc_probe.exe"),
                        reinterpret_cast<const WCHAR*>(u"C:\\Tarvolt\\copied.exe"), TRUE));
  EXPECT_EQ(outcome(u"copied exit 5"), 5u);
  std::ofstream(root_ / "drive_c/Tarvolt/over.exe") << "not a program\n";
  ASSERT_TRUE(CopyFileW(reinterpret_cast<const WCHAR*>(u"C:\\Tarvolt\\proc_probe.exe"),
                        reinterpret_cast<const WCHAR*>(u"C:\\Tarvolt\\over.exe"), FALSE));
  EXPECT_EQ(outcome(u"over exit 6"), 6u);
}

TEST_F(ProcessCreateTest, UnquotedNameWithBlanksTriesEachSplitInTurn) {
  // The arguments are split by the runtime's rules whatever was found: the probe started as
  // "C:\Tarvolt\My" sees "Tools\probe" as its command and exits with 98.
  const std::u16string unquoted = u"C:\\Tarvolt\\My Tools\\probe exit 9";
  install("proc_marker", "Tarvolt/My Tools", "probe.exe");
  EXPECT_EQ(outcome(unquoted), 42u);
  install("proc_probe", "Tarvolt", "My.exe");
  EXPECT_EQ(outcome(unquoted), 98u);
  EXPECT_EQ(outcome(u"\"C:\\Tarvolt\\My Tools\\probe.exe\" exit 5"), 42u);
  EXPECT_EQ(outcome(u"anything exit 3", u"C:\\Tarvolt\\My.exe"), 3u);
}

TEST_F(ProcessCreateTest, ChildStartsInTheGivenDirectory) {
  install("proc_probe", "Tarvolt");
  std::filesystem::create_directories(root_ / "drive_c/Work Dir");
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read_end, write_end;
  ASSERT_TRUE(CreatePipe(&read_end, &write_end, &inheritable, 0));
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write_end;
  PROCESS_INFORMATION pi;
  ASSERT_EQ(start(u"proc_probe cwd", &pi, TRUE, 0, &si, u"", u"C:\\Work Dir"), 0u);
  CloseHandle(write_end);
  DWORD error;
  EXPECT_EQ(read_all(read_end, &error), "C:\\Work Dir");
  close_process(pi);
  CloseHandle(read_end);
  EXPECT_EQ(start(u"proc_probe cwd", &pi, FALSE, 0, nullptr, u"", u"C:\\No Such Dir"), DWORD(ERROR_DIRECTORY));
}

TEST_F(ProcessCreateTest, ProcessHandleIsSignalledWithTheExitCode) {
  install("proc_probe", "Tarvolt");
  PROCESS_INFORMATION pi;
  ASSERT_EQ(start(u"proc_probe exit 300 500", &pi), 0u);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(code, DWORD(STILL_ACTIVE));
  EXPECT_EQ(wait_for(pi.hProcess, 0), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(GetProcessId(pi.hProcess), pi.dwProcessId);
  HANDLE opened = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pi.dwProcessId);
  ASSERT_NE(opened, nullptr);
  // A Linux exit status carries 8 bits: 300 arrives as 44.
  EXPECT_EQ(exit_code_of(pi.hProcess), 300u % 256);
  EXPECT_EQ(wait_for(pi.hThread, 0), DWORD(WAIT_OBJECT_0));
  EXPECT_EQ(exit_code_of(opened), 300u % 256);
  CloseHandle(opened);
  close_process(pi);
}

TEST_F(ProcessCreateTest, TerminateProcessEndsTheChildWithTheGivenCode) {
  install("proc_probe", "Tarvolt");
  PROCESS_INFORMATION pi;
  ASSERT_EQ(start(u"proc_probe exit 0 60000", &pi), 0u);
  EXPECT_TRUE(TerminateProcess(pi.hProcess, 1234));
  EXPECT_EQ(exit_code_of(pi.hProcess), 1234u);
  EXPECT_FALSE(TerminateProcess(pi.hProcess, 1));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  close_process(pi);
}

// The machine's processes are Linux processes: a process id is the Linux pid.
TEST(ProcessIdTest, ProcessIdsAreTheLinuxPids) {
  EXPECT_EQ(GetCurrentProcessId(), DWORD(getpid()));
  EXPECT_EQ(GetProcessId(GetCurrentProcess()), DWORD(getpid()));
}

}  // namespace
