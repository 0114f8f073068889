#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;
using files_testing::W;

class FilesOpsTest : public FilesTest {
 protected:
  bool exists(const std::u16string& relative) const {
    return GetFileAttributesW(W(at(relative))) != INVALID_FILE_ATTRIBUTES;
  }
};

TEST_F(FilesOpsTest, MoveFileNeverReplacesButMoveFileExMay) {
  put(u"new.cfg", "new");
  put(u"old.cfg", "old");
  EXPECT_FALSE(MoveFileW(W(at(u"new.cfg")), W(at(u"OLD.CFG"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(MoveFileExW(W(at(u"new.cfg")), W(at(u"old.cfg")), MOVEFILE_COPY_ALLOWED));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExA(ansi(at(u"new.cfg")).c_str(), ansi(at(u"old.cfg")).c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(slurp(u"old.cfg"), "new");
  EXPECT_FALSE(exists(u"new.cfg"));

  EXPECT_FALSE(MoveFileW(W(at(u"gone.cfg")), W(at(u"x.cfg"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(MoveFileW(W(at(u"old.cfg")), W(at(u"Nowhere\\x.cfg"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));

  // A folder cannot be replaced, nor replace a file.
  ASSERT_TRUE(CreateDirectoryW(W(at(u"Folder")), nullptr));
  EXPECT_FALSE(MoveFileExW(W(at(u"old.cfg")), W(at(u"Folder")), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(FilesOpsTest, MoveRenamesFoldersAndChangesCase) {
  put(u"Logs\\a.log", "a");
  ASSERT_TRUE(MoveFileW(W(lower(at(u"Logs"))), W(at(u"Old Logs"))));
  EXPECT_EQ(slurp(u"Old Logs\\a.log"), "a");
  // Only the case changes: the same file, renamed in place.
  ASSERT_TRUE(MoveFileW(W(at(u"Old Logs\\a.log")), W(at(u"Old Logs\\A.LOG"))));
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(W(at(u"Old Logs\\*.log")), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_testing::U(data.cFileName), u"A.LOG");
  EXPECT_FALSE(FindNextFileW(find, &data)) << "one file only";
  FindClose(find);
}

TEST_F(FilesOpsTest, CopyFileKeepsAttributesAndWriteTime) {
  put(u"source.ini", "[x]");
  HANDLE h = open(at(u"source.ini"), GENERIC_WRITE, 0, OPEN_EXISTING);
  FILETIME stamp = {0x11111111, 0x01C00000};
  ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &stamp));
  CloseHandle(h);
  ASSERT_TRUE(SetFileAttributesW(W(at(u"source.ini")), FILE_ATTRIBUTE_READONLY));

  ASSERT_TRUE(CopyFileW(W(at(u"source.ini")), W(at(u"copy.ini")), TRUE));
  EXPECT_EQ(slurp(u"copy.ini"), "[x]");
  EXPECT_EQ(GetFileAttributesW(W(at(u"copy.ini"))), DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(W(at(u"copy.ini")), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, stamp.dwLowDateTime);
  EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, stamp.dwHighDateTime);

  EXPECT_FALSE(CopyFileW(W(at(u"source.ini")), W(at(u"copy.ini")), TRUE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
  // The copy is read-only now: it cannot be overwritten either.
  EXPECT_FALSE(CopyFileW(W(at(u"source.ini")), W(at(u"copy.ini")), FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  put(u"other.ini", "longer old contents");
  EXPECT_TRUE(CopyFileA(ansi(at(u"source.ini")).c_str(), ansi(at(u"other.ini")).c_str(), FALSE));
  EXPECT_EQ(slurp(u"other.ini"), "[x]");
  EXPECT_FALSE(CopyFileW(W(at(u"missing.ini")), W(at(u"x.ini")), FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(CopyFileW(W(folder_), W(at(u"x")), FALSE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(FilesOpsTest, DeleteFileErrors) {
  EXPECT_FALSE(DeleteFileW(W(at(u"none.txt"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileW(W(folder_)));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  put(u"ro.txt", "x");
  ASSERT_TRUE(SetFileAttributesA(ansi(at(u"ro.txt")).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFileA(ansi(lower(folder_) + u"\\RO.TXT").c_str()));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(SetFileAttributesA(ansi(at(u"ro.txt")).c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFileA(ansi(lower(folder_) + u"\\RO.TXT").c_str()));
  EXPECT_FALSE(exists(u"ro.txt"));
}

TEST_F(FilesOpsTest, AttributesLiveWithTheFile) {
  HANDLE h = CreateFileW(W(at(u"a.txt")), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n;
  EXPECT_TRUE(WriteFile(h, "x", 1, &n, nullptr));  // the creating handle may still write
  CloseHandle(h);
  EXPECT_EQ(GetFileAttributesW(W(at(u"a.txt"))),
            DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  // A rename keeps them; NORMAL clears them; a write marks the file for backup again.
  ASSERT_TRUE(MoveFileW(W(at(u"a.txt")), W(at(u"b.txt"))));
  EXPECT_EQ(GetFileAttributesW(W(at(u"b.txt"))) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW(W(at(u"b.txt")), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetFileAttributesW(W(at(u"b.txt"))), DWORD(FILE_ATTRIBUTE_NORMAL));
  h = open(at(u"b.txt"), GENERIC_WRITE, 0, OPEN_EXISTING);
  EXPECT_TRUE(WriteFile(h, "y", 1, &n, nullptr));
  CloseHandle(h);
  EXPECT_EQ(GetFileAttributesW(W(at(u"b.txt"))), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  // A file made anew in the place of a deleted one starts clean.
  ASSERT_TRUE(SetFileAttributesW(W(at(u"b.txt")), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(DeleteFileW(W(at(u"b.txt"))));
  put(u"b.txt", "again");
  EXPECT_EQ(GetFileAttributesW(W(at(u"b.txt"))), DWORD(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_FALSE(SetFileAttributesW(W(at(u"none.txt")), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(FilesOpsTest, CreateAndRemoveDirectories) {
  EXPECT_TRUE(CreateDirectoryW(W(at(u"Phone Books")), nullptr));
  EXPECT_FALSE(CreateDirectoryW(W(lower(at(u"Phone Books"))), nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryW(W(at(u"Missing\\Child")), nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(W(at(u"Phone Books"))), DWORD(FILE_ATTRIBUTE_DIRECTORY));

  put(u"Phone Books\\rasphone.pbk", "[VPN]");
  EXPECT_FALSE(RemoveDirectoryW(W(at(u"Phone Books"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(RemoveDirectoryW(W(at(u"Phone Books\\rasphone.pbk"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
  EXPECT_FALSE(RemoveDirectoryW(W(at(u"None"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  ASSERT_TRUE(DeleteFileW(W(at(u"Phone Books\\rasphone.pbk"))));
  ASSERT_TRUE(SetCurrentDirectoryW(W(at(u"Phone Books"))));
  EXPECT_FALSE(RemoveDirectoryW(W(at(u"Phone Books"))));  // held as the current directory
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  ASSERT_TRUE(SetCurrentDirectoryW(L".."));
  EXPECT_TRUE(RemoveDirectoryA("Phone Books"));
  EXPECT_FALSE(exists(u"Phone Books"));
}

}  // namespace
