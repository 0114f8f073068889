#include <windows.h>

#include "files_fixture.h"
#include "kernel/wildcard.h"

namespace {

using files_testing::FilesTest;
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

class FilesFindTest : public FilesTest {};

// Find handles are handles of the machine: one closed is refused, not freed twice.
TEST_F(FilesFindTest, AClosedFindHandleIsRefused) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA("C:\\Windows", &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(FindClose(h));
  EXPECT_FALSE(FindClose(h));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

}  // namespace
