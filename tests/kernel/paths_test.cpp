#include <windows.h>

#include "files_fixture.h"
#include "kernel/host_path.h"

namespace {

using files_testing::FilesTest;
using testing_support::u8;
using platform::paths::full;

class PathsTest : public FilesTest {};

TEST_F(PathsTest, FullPathsNormalizeLikeWindows) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt"));
  EXPECT_EQ(u8(full(u"log.txt")), "C:\\Tarvolt\\log.txt");
  EXPECT_EQ(u8(full(u"..\\Windows\\.\\System32")), "C:\\Windows\\System32");
  EXPECT_EQ(u8(full(u"c:/Program Files/Tarvolt/")), "C:\\Program Files\\Tarvolt\\");
  EXPECT_EQ(u8(full(u"C:\\..\\..\\x")), "C:\\x");              // ".." stops at the root
  EXPECT_EQ(u8(full(u"\\Windows")), "C:\\Windows");            // rooted on the current drive
  EXPECT_EQ(u8(full(u"C:sub")), "C:\\Tarvolt\\sub");           // drive-relative
  EXPECT_EQ(u8(full(u"D:sub")), "D:\\sub");
  EXPECT_EQ(u8(full(u"C:\\Tarvolt\\name. . ")), "C:\\Tarvolt\\name");  // trailing dots and blanks go
  EXPECT_EQ(u8(full(u"\\\\?\\C:\\Tarvolt")), "C:\\Tarvolt");
  EXPECT_EQ(u8(full(u"\\\\server\\share\\a\\..\\b")), "\\\\server\\share\\b");
}

TEST_F(PathsTest, FoldersWithBlanksAndNonAsciiNames) {
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Program Files", nullptr));
  ASSERT_TRUE(CreateDirectoryW(L"C:\\program files\\Tarvolt Dialer", nullptr));
  HANDLE h = open(L"C:\\Program Files\\Tarvolt Dialer\\Caf\u00e9 \u20ac.txt", GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  // Linux names are the UTF-8 of the Windows names.
  EXPECT_TRUE(std::filesystem::exists(c("Program Files/Tarvolt Dialer/Caf\xc3\xa9 \xe2\x82\xac.txt")));
  // The ANSI form of the same name is windows-1252.
  EXPECT_NE(GetFileAttributesA("C:\\PROGRAM FILES\\tarvolt dialer\\CAF\xC9 \x80.TXT"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PathsTest, PathsOutsideTheDrivesFail) {
  EXPECT_EQ(GetFileAttributesW(L"\\\\server\\share\\file.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BAD_NETPATH));
  EXPECT_EQ(GetFileAttributesW(L"Q:\\file.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(L"C:\\missing\\file.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\missing.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\a|b.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
  // A component that is a file is no folder.
  put("Tarvolt/plain.txt", "x");
  EXPECT_EQ(GetFileAttributesW(L"C:\\Tarvolt\\plain.txt\\inner"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  // Another drive exists when the machine has a folder for it.
  std::filesystem::create_directories(root_ / "drive_d" / "Data");
  EXPECT_EQ(GetFileAttributesW(L"d:\\data"), DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(PathsTest, HostPathsMapBackToWindowsPaths) {
  put("Tarvolt/Tarvolt.exe", "MZ");
  auto host = platform::paths::to_host(u"c:\\tarvolt\\TARVOLT.exe");
  ASSERT_TRUE(host.has_value());
  EXPECT_EQ(*host, c("Tarvolt/Tarvolt.exe"));
  EXPECT_EQ(u8(platform::paths::to_windows(*host)), "C:\\Tarvolt\\Tarvolt.exe");
  EXPECT_EQ(u8(platform::paths::to_windows(root_ / "drive_c")), "C:\\");
  EXPECT_EQ(u8(platform::paths::to_windows(root_ / "machine.db")), "");
  EXPECT_EQ(u8(platform::paths::to_windows("/etc/passwd")), "");
}

// The machine writes the drive of its current directory in capitals, however it was given.
TEST_F(PathsTest, TheCurrentDirectoryHasACapitalDrive) {
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Program Files", nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(L"c:\\program files"));
  WCHAR buffer[MAX_PATH];
  EXPECT_EQ(GetCurrentDirectoryW(MAX_PATH, buffer), DWORD(16));
  EXPECT_EQ(u8(buffer), "C:\\program files");
}

// The machine has one temporary folder, the system's, for every account.
TEST_F(PathsTest, TheTemporaryFolderIsTheSystemOne) {
  WCHAR temp[MAX_PATH];
  EXPECT_EQ(GetTempPathW(MAX_PATH, temp), DWORD(16));
  EXPECT_EQ(u8(temp), "C:\\Windows\\Temp\\");
}

}  // namespace
