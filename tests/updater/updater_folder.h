// A fresh machine whose current directory is an empty folder C:\Work, with helpers that put
// files into it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/machine_fixture.h"

namespace updater_test {

class WorkFolderTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    UseWorkFolder();
  }
  // After the machine was made again (another time zone, say).
  void UseWorkFolder() {
    std::filesystem::create_directories(Folder());
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Work"));
  }
  std::filesystem::path Folder() const { return root_ / "drive_c" / "Work"; }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(Folder() / name, std::ios::binary) << bytes;
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Folder() / name); }
  std::string Read(const std::string& name) const {
    std::ifstream in(Folder() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

}  // namespace updater_test
