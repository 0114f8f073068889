#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;

class FilesOpsTest : public FilesTest {};

TEST_F(FilesOpsTest, MoveFileNeverReplacesButMoveFileExMay) {
  put("Tarvolt/new.cfg", "new");
  put("Tarvolt/old.cfg", "old");
  EXPECT_FALSE(MoveFileW(L"C:\\Tarvolt\\new.cfg", L"C:\\Tarvolt\\OLD.CFG"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(MoveFileExW(L"C:\\Tarvolt\\new.cfg", L"C:\\Tarvolt\\old.cfg", MOVEFILE_COPY_ALLOWED));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExA("C:\\Tarvolt\\new.cfg", "C:\\Tarvolt\\old.cfg", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(slurp("Tarvolt/old.cfg"), "new");
  EXPECT_FALSE(std::filesystem::exists(c("Tarvolt/new.cfg")));

  EXPECT_FALSE(MoveFileW(L"C:\\Tarvolt\\gone.cfg", L"C:\\Tarvolt\\x.cfg"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(MoveFileW(L"C:\\Tarvolt\\old.cfg", L"C:\\Nowhere\\x.cfg"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));

  // A folder cannot be replaced, nor replace a file.
  std::filesystem::create_directories(c("Tarvolt/Folder"));
  EXPECT_FALSE(MoveFileExW(L"C:\\Tarvolt\\old.cfg", L"C:\\Tarvolt\\Folder", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(FilesOpsTest, MoveRenamesFoldersAndChangesCase) {
  put("Tarvolt/Logs/a.log", "a");
  ASSERT_TRUE(MoveFileW(L"C:\\tarvolt\\logs", L"C:\\Tarvolt\\Old Logs"));
  EXPECT_EQ(slurp("Tarvolt/Old Logs/a.log"), "a");
  // Only the case changes: the same file, renamed in place.
  ASSERT_TRUE(MoveFileW(L"C:\\Tarvolt\\Old Logs\\a.log", L"C:\\Tarvolt\\Old Logs\\A.LOG"));
  EXPECT_TRUE(std::filesystem::exists(c("Tarvolt/Old Logs/A.LOG")));
  EXPECT_FALSE(std::filesystem::exists(c("Tarvolt/Old Logs/a.log")));
}

TEST_F(FilesOpsTest, CopyFileKeepsAttributesAndWriteTime) {
  put("Tarvolt/source.ini", "[x]");
  HANDLE h = open(L"C:\\Tarvolt\\source.ini", GENERIC_WRITE, 0, OPEN_EXISTING);
  FILETIME stamp = {0x11111111, 0x01C00000};
  ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &stamp));
  CloseHandle(h);
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\source.ini", FILE_ATTRIBUTE_READONLY));

  ASSERT_TRUE(CopyFileW(L"C:\\Tarvolt\\source.ini", L"C:\\Tarvolt\\copy.ini", TRUE));
  EXPECT_EQ(slurp("Tarvolt/copy.ini"), "[x]");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\copy.ini"), DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(L"C:\\Tarvolt\\copy.ini", GetFileExInfoStandard, &data));
  EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, stamp.dwLowDateTime);
  EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, stamp.dwHighDateTime);

  EXPECT_FALSE(CopyFileW(L"C:\\Tarvolt\\source.ini", L"C:\\Tarvolt\\copy.ini", TRUE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
  // The copy is read-only now: it cannot be overwritten either.
  EXPECT_FALSE(CopyFileW(L"C:\\Tarvolt\\source.ini", L"C:\\Tarvolt\\copy.ini", FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  put("Tarvolt/other.ini", "longer old contents");
  EXPECT_TRUE(CopyFileA("C:\\Tarvolt\\source.ini", "C:\\Tarvolt\\other.ini", FALSE));
  EXPECT_EQ(slurp("Tarvolt/other.ini"), "[x]");
  EXPECT_FALSE(CopyFileW(L"C:\\Tarvolt\\missing.ini", L"C:\\Tarvolt\\x.ini", FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(CopyFileW(L"C:\\Tarvolt", L"C:\\x", FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(FilesOpsTest, DeleteFileErrors) {
  EXPECT_FALSE(DeleteFileW(L"C:\\Tarvolt\\none.txt"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileW(L"C:\\Tarvolt"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  put("Tarvolt/ro.txt", "x");
  ASSERT_TRUE(SetFileAttributesA("C:\\Tarvolt\\ro.txt", FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFileA("c:\\tarvolt\\RO.TXT"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(SetFileAttributesA("C:\\Tarvolt\\ro.txt", FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFileA("c:\\tarvolt\\RO.TXT"));
  EXPECT_FALSE(std::filesystem::exists(c("Tarvolt/ro.txt")));
}

TEST_F(FilesOpsTest, AttributesLiveWithTheFile) {
  HANDLE h = CreateFileW(L"C:\\Tarvolt\\a.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n;
  EXPECT_TRUE(WriteFile(h, "x", 1, &n, nullptr));  // the creating handle may still write
  CloseHandle(h);
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\a.txt"),
            DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  // A rename keeps them; NORMAL clears them; a write marks the file for backup again.
  ASSERT_TRUE(MoveFileW(L"C:\\Tarvolt\\a.txt", L"C:\\Tarvolt\\b.txt"));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt") & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\b.txt", FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_NORMAL));
  h = open(L"C:\\Tarvolt\\b.txt", GENERIC_WRITE, 0, OPEN_EXISTING);
  EXPECT_TRUE(WriteFile(h, "y", 1, &n, nullptr));
  CloseHandle(h);
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  // A file made anew in the place of a deleted one starts clean.
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\b.txt", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(DeleteFileW(L"C:\\Tarvolt\\b.txt"));
  put("Tarvolt/b.txt", "again");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  // So does one made anew after a deletion behind the machine's back.
  ASSERT_TRUE(SetFileAttributesW(L"C:\\Tarvolt\\b.txt", FILE_ATTRIBUTE_SYSTEM));
  std::filesystem::remove(c("Tarvolt/b.txt"));
  put("Tarvolt/b.txt", "third");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\b.txt"), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_FALSE(SetFileAttributesW(L"C:\\Tarvolt\\none.txt", FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(FilesOpsTest, CreateAndRemoveDirectories) {
  EXPECT_TRUE(CreateDirectoryW(L"C:\\Tarvolt\\Phone Books", nullptr));
  EXPECT_FALSE(CreateDirectoryW(L"C:\\tarvolt\\phone books", nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryW(L"C:\\Missing\\Child", nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\Phone Books"), DWORD(FILE_ATTRIBUTE_DIRECTORY));

  put("Tarvolt/Phone Books/rasphone.pbk", "[VPN]");
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Tarvolt\\Phone Books"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Tarvolt\\Phone Books\\rasphone.pbk"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Tarvolt\\None"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  ASSERT_TRUE(DeleteFileW(L"C:\\Tarvolt\\Phone Books\\rasphone.pbk"));
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt\\Phone Books"));
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Tarvolt\\Phone Books"));  // held as the current directory
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  ASSERT_TRUE(SetCurrentDirectoryW(L".."));
  EXPECT_TRUE(RemoveDirectoryA("Phone Books"));
  EXPECT_FALSE(std::filesystem::exists(c("Tarvolt/Phone Books")));
}

}  // namespace
