#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;
using files_testing::u8;
using files_testing::W;

class FilesFindTest : public FilesTest {
 protected:
  std::vector<std::string> names(const std::u16string& pattern) {
    std::vector<std::string> out;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(W(pattern), &data);
    if (h == INVALID_HANDLE_VALUE) return out;
    do out.push_back(u8(data.cFileName));
    while (FindNextFileW(h, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(h));
    return out;
  }
};

TEST_F(FilesFindTest, ListsMatchesInNtfsOrderWithDotEntries) {
  put(u"Data\\beta.txt", "12345");
  put(u"Data\\Alpha.TXT", "1");
  put(u"Data\\README", "");
  put(u"Data\\archive.txt.bak", "");
  ASSERT_TRUE(CreateDirectoryW(W(at(u"Data\\Sub")), nullptr));

  using V = std::vector<std::string>;
  EXPECT_EQ(names(at(u"Data\\*")), (V{".", "..", "Alpha.TXT", "archive.txt.bak", "beta.txt", "README", "Sub"}));
  EXPECT_EQ(names(at(u"Data\\*.*")), (V{".", "..", "Alpha.TXT", "archive.txt.bak", "beta.txt", "README", "Sub"}));
  std::u16string slashed = lower(at(u"Data\\*.txt"));
  std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
  EXPECT_EQ(names(slashed), (V{"Alpha.TXT", "beta.txt"}));
  EXPECT_EQ(names(at(u"Data\\*.")), (V{".", "..", "README", "Sub"}));
  EXPECT_EQ(names(at(u"Data\\readme")), (V{"README"}));
  EXPECT_EQ(names(at(u"data\\sub")), (V{"Sub"}));  // a folder itself
  // The drive's root has no "." and "..".
  V root = names(u"C:\\*");
  EXPECT_EQ(std::set<std::string>(root.begin(), root.end()).count("."), 0u);
  EXPECT_NE(std::find(root.begin(), root.end(), "Windows"), root.end());
}

TEST_F(FilesFindTest, FindDataDescribesEachEntry) {
  put(u"Data\\beta.txt", "12345");
  ASSERT_TRUE(SetFileAttributesW(W(at(u"Data\\beta.txt")), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA(ansi(at(u"Data\\B*")).c_str(), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "beta.txt");
  EXPECT_STREQ(data.cAlternateFileName, "");
  EXPECT_EQ(data.nFileSizeLow, DWORD(5));
  EXPECT_EQ(data.nFileSizeHigh, DWORD(0));
  EXPECT_EQ(data.dwFileAttributes, DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  ASSERT_TRUE(GetFileAttributesExA(ansi(at(u"Data\\beta.txt")).c_str(), GetFileExInfoStandard, &attributes));
  EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, attributes.ftLastWriteTime.dwLowDateTime);
  EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, attributes.ftLastWriteTime.dwHighDateTime);
  EXPECT_FALSE(FindNextFileA(h, &data));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
  EXPECT_TRUE(FindClose(h));
}

TEST_F(FilesFindTest, FailuresSayWhy) {
  ASSERT_TRUE(CreateDirectoryW(W(at(u"Empty")), nullptr));
  WIN32_FIND_DATAW data;
  EXPECT_EQ(FindFirstFileW(W(at(u"Empty\\*.log")), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(W(at(u"Nowhere\\*")), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(W(at(u"Empty\\a|b")), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
  // Find handles are not files.
  HANDLE h = FindFirstFileW(W(at(u"Empty")), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.dwFileAttributes, DWORD(FILE_ATTRIBUTE_DIRECTORY));
  char c;
  DWORD n;
  EXPECT_FALSE(ReadFile(h, &c, 1, &n, nullptr));
  EXPECT_TRUE(FindClose(h));
}

}  // namespace
