// A fresh machine for the file tests, with helpers for files on its drive C:.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "kernel/paths.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace files_testing {

class FilesTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    saved_cwd_ = platform::paths::current_directory();
  }
  void TearDown() override {
    platform::paths::set_current_directory(saved_cwd_);
    MachineTest::TearDown();
  }

  // The Linux path of a file below drive C:, written with "/" separators.
  std::filesystem::path c(const std::string& relative) const { return root_ / "drive_c" / relative; }
  void put(const std::string& relative, const std::string& content) const {
    std::filesystem::create_directories(c(relative).parent_path());
    std::ofstream(c(relative), std::ios::binary) << content;
  }
  std::string slurp(const std::string& relative) const {
    std::ifstream in(c(relative), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  static HANDLE open(const WCHAR* name, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(name, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  std::u16string saved_cwd_;
};

}  // namespace files_testing
