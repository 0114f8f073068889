#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;
using files_testing::U;
using files_testing::u8;
using files_testing::W;

class PathsTest : public FilesTest {
 protected:
  // The name an entry has in its folder, as a listing gives it.
  static std::u16string listed_name(const std::u16string& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(W(path), &data);
    if (find == INVALID_HANDLE_VALUE) return u"<none>";
    FindClose(find);
    return U(data.cFileName);
  }
};

TEST_F(PathsTest, LookupIgnoresCaseAndCreationKeepsIt) {
  put(u"Tarvolt.exe", "MZ");
  for (const std::u16string& name : {at(u"Tarvolt.exe"), lower(at(u"Tarvolt.exe")), upper(at(u"Tarvolt.exe"))}) {
    HANDLE h = open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << u8(name);
    char buffer[4] = {};
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
    EXPECT_EQ(std::string(buffer, n), "MZ");
    CloseHandle(h);
  }
  // A new file in an existing folder spelled in another case lands in that folder, named as given.
  HANDLE h = open(upper(folder_) + u"\\NewLog.TXT", GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_EQ(listed_name(at(u"newlog.txt")), u"NewLog.TXT");
  EXPECT_EQ(listed_name(upper(folder_)), folder_.substr(folder_.rfind(u'\\') + 1));
}

TEST_F(PathsTest, CurrentDirectoryGovernsRelativePaths) {
  ASSERT_TRUE(CreateDirectoryW(W(at(u"Program Files")), nullptr));
  ASSERT_TRUE(CreateDirectoryW(W(at(u"Program Files\\Tarvolt")), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(W(at(u"program files"))));
  ASSERT_TRUE(SetCurrentDirectoryA("Tarvolt"));  // relative to the one before
  const std::u16string expected = at(u"program files\\Tarvolt");  // folders as given
  WCHAR buffer[MAX_PATH];
  DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
  EXPECT_EQ(U(buffer), expected);
  EXPECT_EQ(n, DWORD(expected.size()));

  HANDLE h = open(u"settings.ini", GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_NE(GetFileAttributesW(W(at(u"Program Files\\Tarvolt\\settings.ini"))), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesW(L"..\\Tarvolt\\.\\SETTINGS.INI"), INVALID_FILE_ATTRIBUTES);

  EXPECT_FALSE(SetCurrentDirectoryW(W(at(u"nowhere"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(SetCurrentDirectoryW(L"settings.ini"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
  n = GetCurrentDirectoryW(MAX_PATH, buffer);
  EXPECT_EQ(U(buffer, n), expected);  // unchanged
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
  DWORD length = GetTempPathW(MAX_PATH, temp);
  ASSERT_GT(length, 3u);
  EXPECT_EQ(temp[length - 1], L'\\');
  EXPECT_EQ(GetTempPathA(3, small), length + 1);
  char windows[MAX_PATH], system[MAX_PATH];
  EXPECT_EQ(GetWindowsDirectoryA(windows, MAX_PATH), UINT(10));
  EXPECT_STREQ(windows, "C:\\Windows");
  EXPECT_EQ(GetSystemDirectoryA(system, MAX_PATH), UINT(19));
  EXPECT_STREQ(system, "C:\\Windows\\System32");
  EXPECT_EQ(GetSystemDirectoryW(nullptr, 0), UINT(20));
}

TEST_F(PathsTest, FullPathNameReportsTheFilePart) {
  ASSERT_TRUE(SetCurrentDirectoryW(W(folder_)));
  WCHAR buffer[MAX_PATH];
  WCHAR* file_part = nullptr;
  DWORD n = GetFullPathNameW(L"logs\\..\\Tarvolt.log", MAX_PATH, buffer, &file_part);
  EXPECT_EQ(U(buffer), at(u"Tarvolt.log"));
  EXPECT_EQ(n, DWORD(at(u"Tarvolt.log").size()));
  ASSERT_NE(file_part, nullptr);
  EXPECT_EQ(U(file_part), u"Tarvolt.log");
  EXPECT_EQ(GetFullPathNameW(W(folder_ + u"\\"), MAX_PATH, buffer, &file_part), DWORD(folder_.size() + 1));
  EXPECT_EQ(file_part, nullptr);
  char tiny[4];
  char* part = nullptr;
  EXPECT_EQ(GetFullPathNameA("x.txt", sizeof tiny, tiny, &part), DWORD(at(u"x.txt").size() + 1));
  EXPECT_EQ(GetFullPathNameA("", sizeof tiny, tiny, &part), DWORD(0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
}

}  // namespace
