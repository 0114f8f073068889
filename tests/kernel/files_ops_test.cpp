#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;

class FilesOpsTest : public FilesTest {};

// The machine keeps attributes beside the files: they must not outlive them, also when a file
// goes without the machine knowing.
TEST_F(FilesOpsTest, AttributesDoNotOutliveTheirFile) {
  put("Tarvolt/b.txt", "x");
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\b.txt", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(DeleteFileW(L"C:\\Tarvolt\\b.txt"));
  put("Tarvolt/b.txt", "again");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  // So does one made anew after a deletion behind the machine's back.
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\b.txt", FILE_ATTRIBUTE_SYSTEM));
  std::filesystem::remove(c("Tarvolt/b.txt"));
  put("Tarvolt/b.txt", "third");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_ARCHIVE));
}

}  // namespace
