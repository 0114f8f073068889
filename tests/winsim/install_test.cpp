#include <unistd.h>

#include <fstream>

#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;
namespace fs = std::filesystem;

class WinsimInstall : public WinsimTest {
 protected:
  // A build folder with a bin/ of programs, made from a built test program.
  fs::path make_build(const std::vector<std::string>& programs) {
    fs::path build = root_ / "build dir";
    fs::create_directories(build / "bin");
    for (const auto& name : programs) fs::copy_file(testing_support::program_dir() / "winsim_echo.exe", build / "bin" / name);
    std::ofstream(build / "bin" / "notes.txt") << "not a program";
    return build;
  }
  fs::path c(const std::string& path) { return root_ / "drive_c" / path; }
};

TEST_F(WinsimInstall, CopiesTheProgramsIntoTheProgramFolderAndSystemProgramsIntoSystem32) {
  std::ofstream(c("Tarvolt/TOOL.EXE")) << "an older build";
  fs::path build = make_build({"tool.exe", "Second Tool.exe", "cmd.exe"});

  auto installed = winsim({"install", build.string()});
  ASSERT_EQ(installed.exit_code, 0) << installed.err;
  EXPECT_EQ(installed.out,
            "C:\\Tarvolt\\Second Tool.exe\nC:\\Windows\\System32\\cmd.exe\nC:\\Tarvolt\\tool.exe\n"
            "3 program(s) installed.\n");
  EXPECT_EQ(access(c("Tarvolt/tool.exe").c_str(), X_OK), 0) << "still executable";
  EXPECT_EQ(access(c("Tarvolt/Second Tool.exe").c_str(), X_OK), 0);
  EXPECT_EQ(access(c("Windows/System32/cmd.exe").c_str(), X_OK), 0);
  EXPECT_FALSE(fs::exists(c("Tarvolt/TOOL.EXE"))) << "the same file on Windows, replaced";
  EXPECT_FALSE(fs::exists(c("Tarvolt/cmd.exe")));
  EXPECT_FALSE(fs::exists(c("Tarvolt/notes.txt")));
  EXPECT_EQ(fs::file_size(c("Tarvolt/tool.exe")), fs::file_size(testing_support::program_dir() / "winsim_echo.exe"));
}

TEST_F(WinsimInstall, CopiesTheBatchFilesThatShipBesideThePrograms) {
  fs::path build = make_build({"tool.exe"});
  std::ofstream(build / "bin" / "Remove.BAT") << "tool -d\r\n";

  auto installed = winsim({"install", build.string()});
  ASSERT_EQ(installed.exit_code, 0) << installed.err;
  EXPECT_EQ(installed.out, "C:\\Tarvolt\\Remove.BAT\nC:\\Tarvolt\\tool.exe\n2 program(s) installed.\n");
  std::ifstream copied(c("Tarvolt/Remove.BAT"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copied), {}), "tool -d\r\n");
}

TEST_F(WinsimInstall, TakesAFolderOfProgramsDirectlyAndRefusesOneWithout) {
  fs::path build = make_build({"direct.exe"});
  ASSERT_EQ(winsim({"install", (build / "bin").string()}).exit_code, 0);
  EXPECT_TRUE(fs::exists(c("Tarvolt/direct.exe")));

  fs::path empty = root_ / "empty";
  fs::create_directories(empty);
  auto refused = winsim({"install", empty.string()});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("no programs"), std::string::npos) << refused.err;
}

}  // namespace
