// A fresh machine with the built programs installed (cmd.exe and net.exe in System32, the
// system's programs in C:\Tarvolt) and the argument echo beside them; the test process works
// in C:\Tarvolt.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/winsim_fixture.h"

namespace shell_testing {

namespace fs = std::filesystem;

class ShellTest : public testing_support::WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    ASSERT_EQ(winsim({"install", testing_support::bin_dir().parent_path().string()}).exit_code, 0);
    fs::copy_file(testing_support::program_dir() / "winsim_echo.exe", host("Tarvolt/winsim_echo.exe"));
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt"));
  }
  // `relative` below drive C:, with "/" separators.
  fs::path host(const std::string& relative) { return root_ / "drive_c" / relative; }
  void write(const std::string& relative, const std::string& bytes) {
    fs::create_directories(host(relative).parent_path());
    std::ofstream(host(relative), std::ios::binary) << bytes;
  }
  std::string read(const std::string& relative) {
    std::ifstream in(host(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Runs a batch file of C:\Tarvolt through cmd.exe /c, in that folder.
  testing_support::Finished run_batch(const std::string& name, const std::string& lines) {
    write("Tarvolt/" + name, lines);
    return winsim({"run", "--cwd", "C:\\Tarvolt", "cmd.exe", "/c", name});
  }
};

}  // namespace shell_testing
