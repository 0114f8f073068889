#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cfile.h"
#include "cfilefind.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

class CFileFindTest : public FrameworkMachineTest {
 protected:
  static void Put(const char* name, const std::string& content) {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
  }
};

TEST_F(CFileFindTest, FindNextFileLooksAheadAndIsFalseForTheLast) {
  Put("C:\\work\\only.exe", "12345");
  CFileFind finder;
  ASSERT_TRUE(finder.FindFile("C:\\work\\*.exe"));
  // The single match is current after the first FindNextFile, which already says it is the last.
  EXPECT_FALSE(finder.FindNextFile());
  EXPECT_STREQ(finder.GetFileName(), "only.exe");
  EXPECT_STREQ(finder.GetFilePath(), "C:\\work\\only.exe");
  EXPECT_STREQ(finder.GetFileTitle(), "only");
  EXPECT_STREQ(finder.GetRoot(), "C:\\work");
  EXPECT_EQ(finder.GetLength(), 5u);
  EXPECT_FALSE(finder.IsDirectory());
  EXPECT_FALSE(finder.FindNextFile());
  EXPECT_STREQ(finder.GetFileName(), "only.exe");
}

TEST_F(CFileFindTest, TheUsualLoopVisitsEveryMatch) {
  Put("C:\\work\\tarvolt20110101.exe", "a");
  Put("C:\\work\\tarvolt20120202.exe", "bb");
  Put("C:\\work\\notes.txt", "c");
  ASSERT_TRUE(CreateDirectoryA("C:\\work\\sub", nullptr));
  std::set<std::string> names;
  CFileFind finder;
  BOOL working = finder.FindFile("C:\\work\\tarvolt*.exe");
  while (working) {
    working = finder.FindNextFile();
    names.insert(finder.GetFileName().GetString());
  }
  EXPECT_EQ(names, (std::set<std::string>{"tarvolt20110101.exe", "tarvolt20120202.exe"}));

  // A folder's own entries are dots; real subfolders are not.
  std::set<std::string> dirs, dots;
  working = finder.FindFile("C:\\work\\*.*");
  while (working) {
    working = finder.FindNextFile();
    if (finder.IsDots()) {
      dots.insert(finder.GetFileName().GetString());
    } else if (finder.IsDirectory()) {
      dirs.insert(finder.GetFileName().GetString());
    }
  }
  EXPECT_EQ(dirs, (std::set<std::string>{"sub"}));
  EXPECT_EQ(dots, (std::set<std::string>{".", ".."}));
}

TEST_F(CFileFindTest, DefaultPatternAndRelativeNames) {
  Put("C:\\work\\one.txt", "1");
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\work"));
  CFileFind finder;
  ASSERT_TRUE(finder.FindFile());  // "*.*"
  ASSERT_TRUE(finder.FindFile("one.txt"));
  finder.FindNextFile();
  EXPECT_STREQ(finder.GetFilePath(), "C:\\work\\one.txt");
  ASSERT_TRUE(finder.FindFile("C:\\*.*"));
  EXPECT_STREQ(finder.GetRoot(), "C:\\");
  while (finder.FindNextFile()) {
  }
  EXPECT_EQ(finder.GetFilePath().Left(3), CString("C:\\"));
  EXPECT_NE(finder.GetFilePath().Mid(3, 1), CString("\\"));
}

TEST_F(CFileFindTest, NothingFoundKeepsTheError) {
  CFileFind finder;
  EXPECT_FALSE(finder.FindFile("C:\\work\\*.none"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(finder.FindNextFile());
  EXPECT_FALSE(finder.FindFile("C:\\absent\\*.*"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(finder.GetFileName().IsEmpty());
}

}  // namespace
