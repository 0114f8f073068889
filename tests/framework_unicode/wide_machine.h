// A fresh machine for the 16-bit framework's file tests, with a folder whose name is not ASCII.
#pragma once

#include <windows.h>

#include <string>

#include "cfile.h"
#include "support/machine_fixture.h"

namespace unicode_testing {

class WideMachineTest : public testing_support::MachineTest {
 protected:
  static constexpr const wchar_t* kFolder = L"C:\\donn\u00E9es";

  void SetUp() override {
    MachineTest::SetUp();
    ASSERT_TRUE(CreateDirectoryW(kFolder, nullptr));
  }
  static void Put(const wchar_t* name, const std::string& content) {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
  }
  static bool Exists(const wchar_t* name) { return GetFileAttributesW(name) != INVALID_FILE_ATTRIBUTES; }
};

}  // namespace unicode_testing
