#include <windows.h>

#include "files_fixture.h"

namespace {

using files_testing::FilesTest;
using files_testing::W;

constexpr DWORD kReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

class FilesShareTest : public FilesTest {};

TEST_F(FilesShareTest, ModesAreCheckedBothWaysWithinAProcess) {
  const std::u16string name = at(u"shared.log");
  HANDLE writer = open(name, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);

  // A reader must allow the existing writer: FILE_SHARE_READ alone is not enough.
  EXPECT_EQ(open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  HANDLE reader = open(name, GENERIC_READ, kReadWrite, OPEN_EXISTING);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  // A second writer is refused by the first writer's share mode.
  EXPECT_EQ(open(name, GENERIC_WRITE, kReadWrite, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  // A refused CREATE_ALWAYS does not truncate.
  DWORD n;
  ASSERT_TRUE(WriteFile(writer, "line\r\n", 6, &n, nullptr));
  EXPECT_EQ(open(name, GENERIC_WRITE, kReadWrite, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(slurp(u"shared.log"), "line\r\n");
  // Opens without data access never conflict.
  HANDLE attributes_only = open(name, FILE_READ_ATTRIBUTES, 0, OPEN_EXISTING);
  EXPECT_NE(attributes_only, INVALID_HANDLE_VALUE);
  CloseHandle(attributes_only);

  // Closing the handles releases their share entries.
  CloseHandle(reader);
  CloseHandle(writer);
  HANDLE exclusive = open(name, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_EQ(open(name, GENERIC_READ, kReadWrite, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  CloseHandle(exclusive);
}

TEST_F(FilesShareTest, DeleteMoveAndCopyRespectOpenHandles) {
  put(u"busy.txt", "data");
  const std::u16string name = at(u"busy.txt");
  HANDLE h = open(name, GENERIC_WRITE, kReadWrite, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(DeleteFileW(W(name)));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(MoveFileW(W(name), W(at(u"moved.txt"))));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  // CopyFile reads with FILE_SHARE_READ | FILE_SHARE_DELETE: a writer blocks it.
  EXPECT_FALSE(CopyFileW(W(name), W(at(u"copy.txt")), TRUE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  CloseHandle(h);

  // With FILE_SHARE_DELETE the file may go while open.
  h = open(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(CopyFileW(W(name), W(at(u"copy.txt")), TRUE));
  EXPECT_TRUE(MoveFileW(W(name), W(at(u"moved.txt"))));
  EXPECT_TRUE(DeleteFileW(W(at(u"moved.txt"))));
  char buffer[8];
  DWORD n;
  EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(std::string(buffer, n), "data");
  CloseHandle(h);
  EXPECT_EQ(slurp(u"copy.txt"), "data");
}

}  // namespace
