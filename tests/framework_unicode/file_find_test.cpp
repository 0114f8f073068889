#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "cfilefind.h"
#include "wide_machine.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;
using unicode_testing::WideMachineTest;

class WideFileFindTest : public WideMachineTest {
 protected:
  void SetUp() override {
    WideMachineTest::SetUp();
    Put(L"C:\\donn\u00E9es\\\u00E9t\u00E9.txt", "12345");
    Put(L"C:\\donn\u00E9es\\\u4E2D\u6587.txt", "1");
    Put(L"C:\\donn\u00E9es\\plain.txt", "");
    ASSERT_TRUE(CreateDirectoryW(L"C:\\donn\u00E9es\\sous-dossier \u20AC", nullptr));
  }
};

TEST_F(WideFileFindTest, TheUsualLoopGivesNamesAsStored) {
  std::map<std::u16string, std::u16string> paths;
  std::set<std::u16string> dirs;
  CFileFind finder;
  BOOL working = finder.FindFile(L"C:\\donn\u00E9es\\*");
  while (working) {
    working = finder.FindNextFile();
    if (finder.IsDots()) continue;
    if (finder.IsDirectory()) {
      dirs.insert(U(finder.GetFileName()));
    } else {
      paths[U(finder.GetFileName())] = U(finder.GetFilePath());
    }
  }
  EXPECT_EQ(paths, (std::map<std::u16string, std::u16string>{
                       {u"\u00E9t\u00E9.txt", u"C:\\donn\u00E9es\\\u00E9t\u00E9.txt"},
                       {u"\u4E2D\u6587.txt", u"C:\\donn\u00E9es\\\u4E2D\u6587.txt"},
                       {u"plain.txt", u"C:\\donn\u00E9es\\plain.txt"},
                   }));
  EXPECT_EQ(dirs, (std::set<std::u16string>{u"sous-dossier \u20AC"}));
}

TEST_F(WideFileFindTest, PatternsMatchWideNamesWithoutCase) {
  CFileFind finder;
  ASSERT_TRUE(finder.FindFile(L"C:\\DONN\u00C9ES\\\u00C9T\u00C9.*"));
  EXPECT_FALSE(finder.FindNextFile());  // the only match
  EXPECT_EQ(U(finder.GetFileName()), u"\u00E9t\u00E9.txt");
  EXPECT_EQ(U(finder.GetFileTitle()), u"\u00E9t\u00E9");
  EXPECT_EQ(U(finder.GetRoot()), u"C:\\DONN\u00C9ES");
  EXPECT_EQ(finder.GetLength(), 5u);

  ASSERT_TRUE(finder.FindFile(L"C:\\donn\u00E9es\\\u4E2D*"));
  finder.FindNextFile();
  EXPECT_EQ(U(finder.GetFileName()), u"\u4E2D\u6587.txt");

  // Without a name: every entry of the current directory.
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\donn\u00E9es\\sous-dossier \u20AC"));
  ASSERT_TRUE(finder.FindFile());
  EXPECT_EQ(U(finder.GetRoot()), u"C:\\donn\u00E9es\\sous-dossier \u20AC");
  std::set<std::u16string> names;
  while (finder.FindNextFile()) names.insert(U(finder.GetFileName()));
  names.insert(U(finder.GetFileName()));
  EXPECT_EQ(names, (std::set<std::u16string>{u".", u".."}));
}

TEST_F(WideFileFindTest, NothingFoundKeepsTheError) {
  CFileFind finder;
  EXPECT_FALSE(finder.FindFile(L"C:\\donn\u00E9es\\\u00E9t\u00E9 *.none"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(finder.FindFile(L"C:\\absent \u00E9\\*"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(finder.FindNextFile());
  EXPECT_TRUE(finder.GetFileName().IsEmpty());
}

}  // namespace
