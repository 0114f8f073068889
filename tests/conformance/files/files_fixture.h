// Each file test works in a folder of its own below the temporary folder (a name with blanks),
// which goes with everything in it when the test ends; the current directory is put back too.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/wide.h"

namespace files_testing {

using testing_support::U;
using testing_support::u8;
using testing_support::W;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The full path of `relative` (a name, or names joined by backslashes) in the test's folder.
  std::u16string at(const std::u16string& relative) const { return folder_ + u"\\" + relative; }
  // Writes a file below the test's folder as an editor would, making the folders on its way.
  void put(const std::u16string& relative, const std::string& content) const;
  // The file's bytes, or "<cannot open>".
  std::string slurp(const std::u16string& relative) const;

  static HANDLE open(const std::u16string& name, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(W(name), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  // A path in other letter cases (ASCII letters), and in the ANSI code page.
  static std::u16string lower(std::u16string path);
  static std::u16string upper(std::u16string path);
  static std::string ansi(const std::u16string& path);

  std::u16string folder_;  // its full path, without a trailing backslash

 private:
  std::u16string saved_cwd_;
};

}  // namespace files_testing
