#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;
using files_testing::W;

class FilesCreateTest : public FilesTest {};

TEST_F(FilesCreateTest, DispositionsAndTheirLastErrors) {
  const std::u16string name = at(u"state.dat");
  // Missing file.
  EXPECT_EQ(open(name, GENERIC_READ, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(open(name, GENERIC_WRITE, 0, TRUNCATE_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(open(at(u"no\\state.dat"), GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));

  // OPEN_ALWAYS creates with last error 0, then opens with ERROR_ALREADY_EXISTS.
  SetLastError(1234);
  HANDLE h = open(name, GENERIC_WRITE, 0, OPEN_ALWAYS);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(0));
  DWORD n;
  ASSERT_TRUE(WriteFile(h, "hello", 5, &n, nullptr));
  CloseHandle(h);
  h = open(name, GENERIC_READ, 0, OPEN_ALWAYS);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  CloseHandle(h);
  EXPECT_EQ(slurp(u"state.dat"), "hello");  // OPEN_ALWAYS keeps the contents

  EXPECT_EQ(open(name, GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));

  // CREATE_ALWAYS truncates an existing file and says so.
  h = open(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  CloseHandle(h);
  EXPECT_EQ(slurp(u"state.dat"), "");

  put(u"state.dat", "old contents");
  h = open(name, GENERIC_WRITE, 0, TRUNCATE_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_EQ(slurp(u"state.dat"), "");
  // TRUNCATE_EXISTING needs write access; an unknown disposition is refused.
  EXPECT_EQ(open(name, GENERIC_READ, 0, TRUNCATE_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(open(name, GENERIC_READ, 0, 0), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(FilesCreateTest, FoldersAndProtectedFilesRefuseOpens) {
  EXPECT_EQ(open(folder_, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));

  put(u"readonly.txt", "keep");
  ASSERT_TRUE(SetFileAttributesW(W(at(u"readonly.txt")), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(open(at(u"readonly.txt"), GENERIC_WRITE, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(open(at(u"readonly.txt"), GENERIC_READ, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  HANDLE h = open(at(u"readonly.txt"), GENERIC_READ, 0, OPEN_EXISTING);
  EXPECT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_EQ(slurp(u"readonly.txt"), "keep");

  // Replacing a hidden file must name the hidden attribute again.
  put(u"hidden.txt", "x");
  ASSERT_TRUE(SetFileAttributesW(W(at(u"hidden.txt")), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(open(at(u"hidden.txt"), GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  h = CreateFileW(W(at(u"hidden.txt")), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  EXPECT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_EQ(GetFileAttributesW(W(at(u"hidden.txt"))), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(FilesCreateTest, HandleAccessGovernsReadAndWrite) {
  put(u"data.bin", "abc");
  HANDLE reader = open(at(u"data.bin"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  DWORD n = 99;
  EXPECT_FALSE(WriteFile(reader, "x", 1, &n, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(n, DWORD(0));
  EXPECT_FALSE(FlushFileBuffers(reader));
  EXPECT_FALSE(SetEndOfFile(reader));

  char buffer[8];
  ASSERT_TRUE(ReadFile(reader, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(std::string(buffer, n), "abc");
  // At the end of the file ReadFile succeeds with nothing.
  n = 99;
  EXPECT_TRUE(ReadFile(reader, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(n, DWORD(0));

  HANDLE writer = open(at(u"data.bin"), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReadFile(writer, buffer, 1, &n, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(WriteFile(writer, "XY", 2, &n, nullptr));  // at the start: overwrites
  EXPECT_TRUE(FlushFileBuffers(writer));
  CloseHandle(writer);
  CloseHandle(reader);
  EXPECT_EQ(slurp(u"data.bin"), "XYc");

  // Append-only access writes at the end whatever the pointer says.
  HANDLE appender = open(at(u"data.bin"), FILE_APPEND_DATA, 0, OPEN_EXISTING);
  ASSERT_NE(appender, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(WriteFile(appender, "!", 1, &n, nullptr));
  CloseHandle(appender);
  EXPECT_EQ(slurp(u"data.bin"), "XYc!");
}

TEST_F(FilesCreateTest, HandlesCanBeInherited) {
  SECURITY_ATTRIBUTES inherit = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE h = CreateFileW(W(at(u"child.log")), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD flags = 0;
  ASSERT_TRUE(GetHandleInformation(h, &flags));
  EXPECT_TRUE(flags & HANDLE_FLAG_INHERIT);
  EXPECT_EQ(GetFileType(h), DWORD(FILE_TYPE_DISK));
  CloseHandle(h);
  EXPECT_EQ(GetFileType(h), DWORD(FILE_TYPE_UNKNOWN));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

}  // namespace
