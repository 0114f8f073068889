#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "files_fixture.h"
#include "kernel/wildcard.h"

namespace {

using files_testing::FilesTest;
using files_testing::u8;
using platform::files::wildcard_match;

TEST(WildcardTest, MsDosRulesWindowsKeeps) {
  // "*.*" matches everything, names without a dot included.
  EXPECT_TRUE(wildcard_match(u"*.*", u"README"));
  EXPECT_TRUE(wildcard_match(u"*.*", u"a.b.c"));
  EXPECT_TRUE(wildcard_match(u"*", u".profile"));
  // "*." matches only names without an extension.
  EXPECT_TRUE(wildcard_match(u"*.", u"README"));
  EXPECT_FALSE(wildcard_match(u"*.", u"readme.txt"));
  // "*.txt" is about the last extension, without regard to case.
  EXPECT_TRUE(wildcard_match(u"*.txt", u"Notes.TXT"));
  EXPECT_TRUE(wildcard_match(u"*.txt", u"a.b.txt"));
  EXPECT_FALSE(wildcard_match(u"*.txt", u"a.txt.bak"));
  EXPECT_FALSE(wildcard_match(u"*.txt", u"atxt"));
  EXPECT_TRUE(wildcard_match(u"*.txt", u".txt"));
  // "?" is one character, or none before a dot or at the end.
  EXPECT_TRUE(wildcard_match(u"file??.txt", u"file1.txt"));
  EXPECT_TRUE(wildcard_match(u"file??.txt", u"file12.txt"));
  EXPECT_FALSE(wildcard_match(u"file??.txt", u"file123.txt"));
  EXPECT_TRUE(wildcard_match(u"ab?", u"ab"));
  EXPECT_FALSE(wildcard_match(u"a?c", u"a.c"));
  EXPECT_FALSE(wildcard_match(u"?", u"."));
  // Plain names and stars inside names.
  EXPECT_TRUE(wildcard_match(u"TARVOLT.EXE", u"tarvolt.exe"));
  EXPECT_FALSE(wildcard_match(u"tarvolt.exe", u"tarvolt.exe.bak"));
  EXPECT_TRUE(wildcard_match(u"log*2024*", u"log-jan-2024.txt"));
  EXPECT_FALSE(wildcard_match(u"log*2024", u"log-jan-2024.txt"));
  EXPECT_TRUE(wildcard_match(u"caf\u00c9*", u"caf\u00e9.ini"));
}

class FilesFindTest : public FilesTest {
 protected:
  std::vector<std::string> names(const WCHAR* pattern) {
    std::vector<std::string> out;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(pattern, &data);
    if (h == INVALID_HANDLE_VALUE) return out;
    do out.push_back(u8(data.cFileName));
    while (FindNextFileW(h, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(h));
    return out;
  }
};

TEST_F(FilesFindTest, ListsMatchesInNtfsOrderWithDotEntries) {
  put("Data/beta.txt", "12345");
  put("Data/Alpha.TXT", "1");
  put("Data/README", "");
  put("Data/archive.txt.bak", "");
  std::filesystem::create_directories(c("Data/Sub"));

  using V = std::vector<std::string>;
  EXPECT_EQ(names(L"C:\\Data\\*"), (V{".", "..", "Alpha.TXT", "archive.txt.bak", "beta.txt", "README", "Sub"}));
  EXPECT_EQ(names(L"C:\\Data\\*.*"), (V{".", "..", "Alpha.TXT", "archive.txt.bak", "beta.txt", "README", "Sub"}));
  EXPECT_EQ(names(L"c:/data/*.txt"), (V{"Alpha.TXT", "beta.txt"}));
  EXPECT_EQ(names(L"C:\\Data\\*."), (V{".", "..", "README", "Sub"}));
  EXPECT_EQ(names(L"C:\\Data\\readme"), (V{"README"}));
  EXPECT_EQ(names(L"C:\\data\\sub"), (V{"Sub"}));  // a folder itself
  // The drive's root has no "." and "..".
  V root = names(L"C:\\*");
  EXPECT_EQ(std::set<std::string>(root.begin(), root.end()).count("."), 0u);
  EXPECT_NE(std::find(root.begin(), root.end(), "Windows"), root.end());
}

TEST_F(FilesFindTest, FindDataDescribesEachEntry) {
  put("Data/beta.txt", "12345");
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Data\\beta.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA("C:\\Data\\B*", &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "beta.txt");
  EXPECT_STREQ(data.cAlternateFileName, "");
  EXPECT_EQ(data.nFileSizeLow, DWORD(5));
  EXPECT_EQ(data.nFileSizeHigh, DWORD(0));
  EXPECT_EQ(data.dwFileAttributes, DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  ASSERT_TRUE(GetFileAttributesExA("C:\\Data\\beta.txt", GetFileExInfoStandard, &attributes));
  EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, attributes.ftLastWriteTime.dwLowDateTime);
  EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, attributes.ftLastWriteTime.dwHighDateTime);
  EXPECT_FALSE(FindNextFileA(h, &data));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
  EXPECT_TRUE(FindClose(h));
  EXPECT_FALSE(FindClose(h));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

TEST_F(FilesFindTest, FailuresSayWhy) {
  std::filesystem::create_directories(c("Empty"));
  WIN32_FIND_DATAW data;
  EXPECT_EQ(FindFirstFileW(L"C:\\Empty\\*.log", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(L"C:\\Nowhere\\*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(L"C:\\Empty\\a|b", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
  // Find handles are not files.
  HANDLE h = FindFirstFileW(L"C:\\Windows", &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.dwFileAttributes, DWORD(FILE_ATTRIBUTE_DIRECTORY));
  char c;
  DWORD n;
  EXPECT_FALSE(ReadFile(h, &c, 1, &n, nullptr));
  EXPECT_TRUE(FindClose(h));
}

}  // namespace
