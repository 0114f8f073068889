#include <windows.h>

#include "files_fixture.h"
#include "kernel/host_path.h"

namespace {

using files_testing::FilesTest;
using files_testing::u8;
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

TEST_F(PathsTest, LookupIgnoresCaseAndCreationKeepsIt) {
  put("Tarvolt/Tarvolt.exe", "MZ");
  for (const WCHAR* name : {L"C:\\Tarvolt\\Tarvolt.exe", L"c:\\tarvolt\\tarvolt.exe", L"C:\\TARVOLT\\TARVOLT.EXE"}) {
    HANDLE h = open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << u8(name);
    char buffer[4] = {};
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
    EXPECT_EQ(std::string(buffer, n), "MZ");
    CloseHandle(h);
  }
  // A new file in an existing folder spelled in another case lands in that folder, named as given.
  HANDLE h = open(L"C:\\TARVOLT\\NewLog.TXT", GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(std::filesystem::exists(c("Tarvolt/NewLog.TXT")));
  EXPECT_FALSE(std::filesystem::exists(root_ / "drive_c" / "TARVOLT"));
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

TEST_F(PathsTest, CurrentDirectoryGovernsRelativePaths) {
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Program Files", nullptr));
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Program Files\\Tarvolt", nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(L"c:\\program files"));
  ASSERT_TRUE(SetCurrentDirectoryA("Tarvolt"));  // relative to the one before
  WCHAR buffer[MAX_PATH];
  DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
  EXPECT_EQ(u8(buffer), "C:\\program files\\Tarvolt");  // folders as given, the drive upper-cased
  EXPECT_EQ(n, DWORD(24));

  HANDLE h = open(L"settings.ini", GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(std::filesystem::exists(c("Program Files/Tarvolt/settings.ini")));
  EXPECT_NE(GetFileAttributesW(L"..\\Tarvolt\\.\\SETTINGS.INI"), INVALID_FILE_ATTRIBUTES);

  EXPECT_FALSE(SetCurrentDirectoryW(L"C:\\nowhere"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(SetCurrentDirectoryW(L"settings.ini"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
  EXPECT_EQ(u8(platform::paths::current_directory()), "C:\\program files\\Tarvolt");  // unchanged
}

TEST_F(PathsTest, BufferSizeProtocols) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Windows\\System32"));
  // Too small: the size needed with the NUL, and the buffer untouched.
  char small[5] = "xxxx";
  EXPECT_EQ(GetCurrentDirectoryA(sizeof small, small), DWORD(20));
  EXPECT_STREQ(small, "xxxx");
  EXPECT_EQ(GetCurrentDirectoryW(0, nullptr), DWORD(20));
  char exact[20];
  EXPECT_EQ(GetCurrentDirectoryA(sizeof exact, exact), DWORD(19));
  EXPECT_STREQ(exact, "C:\\Windows\\System32");

  WCHAR temp[MAX_PATH];
  EXPECT_EQ(GetTempPathW(MAX_PATH, temp), DWORD(16));
  EXPECT_EQ(u8(temp), "C:\\Windows\\Temp\\");
  EXPECT_EQ(GetTempPathA(3, small), DWORD(17));
  char windows[MAX_PATH], system[MAX_PATH];
  EXPECT_EQ(GetWindowsDirectoryA(windows, MAX_PATH), UINT(10));
  EXPECT_STREQ(windows, "C:\\Windows");
  EXPECT_EQ(GetSystemDirectoryA(system, MAX_PATH), UINT(19));
  EXPECT_STREQ(system, "C:\\Windows\\System32");
  EXPECT_EQ(GetSystemDirectoryW(nullptr, 0), UINT(20));
}

TEST_F(PathsTest, FullPathNameReportsTheFilePart) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt"));
  WCHAR buffer[MAX_PATH];
  WCHAR* file_part = nullptr;
  DWORD n = GetFullPathNameW(L"logs\\..\\Tarvolt.log", MAX_PATH, buffer, &file_part);
  EXPECT_EQ(u8(buffer), "C:\\Tarvolt\\Tarvolt.log");
  EXPECT_EQ(n, DWORD(22));
  ASSERT_NE(file_part, nullptr);
  EXPECT_EQ(u8(file_part), "Tarvolt.log");
  EXPECT_EQ(GetFullPathNameW(L"C:\\Tarvolt\\", MAX_PATH, buffer, &file_part), DWORD(11));
  EXPECT_EQ(file_part, nullptr);
  char tiny[4];
  char* part = nullptr;
  EXPECT_EQ(GetFullPathNameA("x.txt", sizeof tiny, tiny, &part), DWORD(17));
  EXPECT_EQ(GetFullPathNameA("", sizeof tiny, tiny, &part), DWORD(0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
}

TEST_F(PathsTest, ModuleFileNameTruncatesSinceVista) {
  WCHAR full_name[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, full_name, MAX_PATH);
  ASSERT_GT(length, DWORD(4));
  EXPECT_EQ(full_name[length], 0);
  EXPECT_EQ(full_name[1], L':');
  EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), full_name, MAX_PATH), length);

  // Exactly enough room for the name and its NUL.
  std::vector<char> exact(length + 1);
  EXPECT_EQ(GetModuleFileNameA(nullptr, exact.data(), length + 1), length);
  // One short: truncated, terminated, nSize returned, ERROR_INSUFFICIENT_BUFFER.
  std::vector<char> shorter(length, '#');
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameA(nullptr, shorter.data(), length), length);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(shorter[length - 1], '\0');
  EXPECT_EQ(std::string(shorter.data()), std::string(exact.data(), length - 1));

  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(GetModuleHandleA("kernel-of-nothing.dll"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
}

}  // namespace
