// The C runtime's system and _wsystem inside the machine: the command goes to the machine's
// cmd.exe (or the interpreter COMSPEC names) with its words as given, and its exit code comes back.
#include <errno.h>
#include <stdlib.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "kernel/paths.h"
#include "kernel/process_test_helpers.h"
#include "support/environment_guard.h"

namespace {

namespace fs = std::filesystem;

class CrtSystemTest : public process_testing::ProcessTest {
 protected:
  void SetUp() override {
    ProcessTest::SetUp();
    saved_cwd_ = platform::paths::current_directory();
    fs::copy_file(testing_support::bin_dir() / "cmd.exe", root_ / "drive_c/Windows/System32/cmd.exe");
    install("proc_probe", "Tarvolt");
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt"));
  }
  void TearDown() override {
    platform::paths::set_current_directory(saved_cwd_);
    ProcessTest::TearDown();
  }

  struct Outcome {
    int code;
    std::string output;
  };
  // `run` calls system or _wsystem; what the command wrote to its standard output and error
  // comes back through a pipe put in place of this process's own.
  template <typename Run>
  Outcome capture(Run run) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read_end, write_end;
    EXPECT_TRUE(CreatePipe(&read_end, &write_end, &inheritable, 0));
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), error = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, write_end);
    SetStdHandle(STD_ERROR_HANDLE, write_end);
    int code = run();
    SetStdHandle(STD_OUTPUT_HANDLE, out);
    SetStdHandle(STD_ERROR_HANDLE, error);
    CloseHandle(write_end);
    DWORD read_error = 0;
    std::string output = process_testing::read_all(read_end, &read_error);
    CloseHandle(read_end);
    return {code, output};
  }
  Outcome run_system(const char* command) {
    return capture([&] { return system(command); });
  }

  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  testing_support::EnvironmentGuard no_comspec_{"COMSPEC", nullptr};
  std::u16string saved_cwd_;
};

TEST_F(CrtSystemTest, CommandRunsInTheMachinesInterpreterWithItsWordsAsGiven) {
  Outcome args = run_system("proc_probe.exe args -i  -ip 10.8.0.2 \"two words\"");
  EXPECT_EQ(args.code, 0);
  // cmd.exe hands the program the command as written, inner blanks and quotes included.
  EXPECT_TRUE(contains(args.output, "proc_probe.exe args -i  -ip 10.8.0.2 \"two words\"\n"
                                    "[args]\n[-i]\n[-ip]\n[10.8.0.2]\n[two words]\n"))
      << args.output;
  EXPECT_EQ(run_system("proc_probe exit 7").code, 7);
  EXPECT_EQ(capture([] { return _wsystem(L"PROC_PROBE exit 3"); }).code, 3);
  // What the interpreter cannot run is its own failure, reported as cmd.exe's exit code 9009 (of
  // which the machine's processes carry the low eight bits).
  EXPECT_EQ(run_system("no_such_program -d").code, 9009 & 0xFF);
}

TEST_F(CrtSystemTest, ProgramsAreFoundInTheCurrentDirectoryBeforeThePath) {
  install("proc_marker", "Tools", "marker.exe");
  testing_support::EnvironmentGuard path("PATH", "C:\\Tools");
  EXPECT_EQ(run_system("marker").code, 42);
  install("proc_probe", "Tarvolt", "marker.exe");
  EXPECT_EQ(run_system("marker exit 5").code, 5);
}

TEST_F(CrtSystemTest, InterpreterIsTheOneComspecNames) {
  install("winsim_echo", "Tarvolt", "shell.exe");
  {
    testing_support::EnvironmentGuard comspec("COMSPEC", "C:\\Tarvolt\\shell.exe");
    Outcome echoed = run_system("tarvolt -d");
    EXPECT_EQ(echoed.code, 0);
    EXPECT_TRUE(contains(echoed.output, "[/c]\n[tarvolt]\n[-d]\n")) << echoed.output;
  }
  {
    // An interpreter that is not there: the runtime takes cmd.exe.
    testing_support::EnvironmentGuard comspec("COMSPEC", "C:\\Missing\\cmd.exe");
    EXPECT_EQ(run_system("proc_probe exit 4").code, 4);
  }
  // The interpreter started without COMSPEC has it all the same, as every Windows process does.
  Outcome expanded = run_system("proc_probe args %COMSPEC%");
  EXPECT_TRUE(contains(expanded.output, "[C:\\Windows\\System32\\cmd.exe]\n")) << expanded.output;
}

TEST_F(CrtSystemTest, NullCommandTellsWhetherThereIsAnInterpreter) {
  EXPECT_NE(system(nullptr), 0);
  fs::remove(root_ / "drive_c/Windows/System32/cmd.exe");
  errno = 0;
  EXPECT_EQ(system(nullptr), 0);
  EXPECT_EQ(errno, ENOENT);
  errno = 0;
  EXPECT_EQ(system("proc_probe exit 4"), -1);
  EXPECT_EQ(errno, ENOENT);
  testing_support::EnvironmentGuard comspec("COMSPEC", "C:\\Tarvolt\\proc_probe.exe");
  EXPECT_NE(system(nullptr), 0);
}

}  // namespace
