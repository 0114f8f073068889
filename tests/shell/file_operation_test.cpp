// SHFileOperation with the callers' lists and flags: results, overwrites, folders, wildcards.
#include <shellapi.h>

#include <cstring>

#include "shell_fixture.h"

namespace {

using shell_testing::ShellTest;
namespace fs = std::filesystem;

constexpr FILEOP_FLAGS kQuietDelete = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;

// The updater's form: each path in its own 150-byte buffer with a second NUL after it.
int operate_a(UINT func, const char* from, const char* to, BOOL* aborted = nullptr) {
  char from_list[150] = {}, to_list[150] = {};
  std::strcpy(from_list, from);
  std::strcpy(to_list, to);
  SHFILEOPSTRUCTA op{};
  op.wFunc = func;
  op.pFrom = from_list;
  op.pTo = to_list;
  op.fFlags = FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS;
  op.fAnyOperationsAborted = TRUE;
  op.lpszProgressTitle = "Copying";
  int result = SHFileOperationA(&op);
  if (aborted) *aborted = op.fAnyOperationsAborted;
  return result;
}

int delete_w(const char16_t* list) {
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = reinterpret_cast<LPCWSTR>(list);
  op.fFlags = kQuietDelete;
  return SHFileOperationW(&op);
}

TEST_F(ShellTest, DeleteTakesListsFoldersAndWildcards) {
  write("Tarvolt/a.bat", "a");
  write("Tarvolt/b.txt", "b");
  write("Tarvolt/logs/one.log", "1");
  write("Tarvolt/logs/deep/two.log", "2");
  EXPECT_EQ(delete_w(u"a.bat\0C:\\Tarvolt\\b.txt\0"), 0);
  EXPECT_FALSE(fs::exists(host("Tarvolt/a.bat")));
  EXPECT_FALSE(fs::exists(host("Tarvolt/b.txt")));
  EXPECT_EQ(delete_w(u"C:\\Tarvolt\\logs\0"), 0);
  EXPECT_FALSE(fs::exists(host("Tarvolt/logs")));
  // A missing file fails without touching anything else.
  EXPECT_NE(delete_w(u"installservice.bat\0"), 0);
  write("Tarvolt/x1.tmp", "");
  write("Tarvolt/x2.tmp", "");
  EXPECT_EQ(delete_w(u"C:\\Tarvolt\\x*.tmp\0"), 0);
  EXPECT_FALSE(fs::exists(host("Tarvolt/x1.tmp")));
  EXPECT_FALSE(fs::exists(host("Tarvolt/x2.tmp")));
  EXPECT_TRUE(fs::exists(host("Tarvolt/tarvolt.exe")));
}

TEST_F(ShellTest, CopyAndMoveReplaceTheServiceProgram) {
  write("Tarvolt/archive/tarvolt_1.2.exe", "new version");
  write("Tarvolt/backup/.keep", "");
  BOOL aborted = TRUE;
  // Backup into a folder, then the archived version over the program.
  EXPECT_EQ(operate_a(FO_COPY, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\backup", &aborted), 0);
  EXPECT_FALSE(aborted);
  EXPECT_TRUE(fs::exists(host("Tarvolt/backup/tarvolt.exe")));
  EXPECT_EQ(operate_a(FO_COPY, "C:\\Tarvolt\\archive\\tarvolt_1.2.exe", "C:\\Tarvolt\\tarvolt.exe"), 0);
  EXPECT_EQ(read("Tarvolt/tarvolt.exe"), "new version");
  EXPECT_EQ(operate_a(FO_MOVE, "C:\\Tarvolt\\backup\\tarvolt.exe", "C:\\Tarvolt\\tarvolt.exe"), 0);
  EXPECT_FALSE(fs::exists(host("Tarvolt/backup/tarvolt.exe")));
  EXPECT_NE(read("Tarvolt/tarvolt.exe"), "new version");
  EXPECT_NE(operate_a(FO_COPY, "C:\\Tarvolt\\missing.exe", "C:\\Tarvolt\\tarvolt.exe"), 0);
  EXPECT_EQ(operate_a(FO_COPY, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\TARVOLT.EXE"), 0x71);
}

// The updater's sequence on the program folder: the program kept as a backup, the archive copied
// in its place, the backup removed; then what makes each step fail.
TEST_F(ShellTest, ReplacementOfTheProgramStepByStep) {
  write("Tarvolt/tarvolt20261209.exe", "new version");
  std::string current = read("Tarvolt/tarvolt.exe");
  BOOL aborted = TRUE;
  EXPECT_EQ(operate_a(FO_RENAME, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\DeleteMe.exe", &aborted), 0);
  EXPECT_FALSE(aborted);
  EXPECT_EQ(read("Tarvolt/DeleteMe.exe"), current);
  EXPECT_EQ(operate_a(FO_COPY, "C:\\Tarvolt\\tarvolt20261209.exe", "C:\\Tarvolt\\Tarvolt.exe", &aborted), 0);
  EXPECT_FALSE(aborted);
  EXPECT_EQ(read("Tarvolt/Tarvolt.exe"), "new version");
  EXPECT_EQ(read("Tarvolt/tarvolt20261209.exe"), "new version");
  EXPECT_EQ(operate_a(FO_DELETE, "C:\\Tarvolt\\DeleteMe.exe", "C:\\Tarvolt\\DeleteMe.exe", &aborted), 0);
  EXPECT_FALSE(aborted);
  EXPECT_FALSE(fs::exists(host("Tarvolt/DeleteMe.exe")));
  EXPECT_EQ(operate_a(FO_DELETE, "C:\\Tarvolt\\DeleteMe.exe", "C:\\Tarvolt\\DeleteMe.exe"), ERROR_FILE_NOT_FOUND);

  // A backup left from an earlier run stays, and so does the program: a rename never replaces.
  write("Tarvolt/DeleteMe.exe", "old backup");
  EXPECT_EQ(operate_a(FO_RENAME, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\DeleteMe.exe"), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(read("Tarvolt/DeleteMe.exe"), "old backup");
  EXPECT_EQ(read("Tarvolt/Tarvolt.exe"), "new version");

  // A program that another handle holds without sharing cannot be written over.
  write("Tarvolt/tarvolt20270101.exe", "newer version");
  HANDLE held = CreateFileW(L"C:\\Tarvolt\\Tarvolt.exe", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_NE(operate_a(FO_COPY, "C:\\Tarvolt\\tarvolt20270101.exe", "C:\\Tarvolt\\Tarvolt.exe"), 0);
  CloseHandle(held);
  EXPECT_EQ(read("Tarvolt/Tarvolt.exe"), "new version");
}

TEST_F(ShellTest, CopyOfAFolderAndRenameInPlace) {
  write("Tarvolt/set/one.txt", "1");
  write("Tarvolt/set/sub/two.txt", "2");
  EXPECT_EQ(operate_a(FO_COPY, "C:\\Tarvolt\\set", "C:\\Copy"), 0);
  EXPECT_EQ(read("Copy/sub/two.txt"), "2");
  EXPECT_EQ(operate_a(FO_RENAME, "C:\\Copy\\one.txt", "first.txt"), 0);
  EXPECT_EQ(read("Copy/first.txt"), "1");
  EXPECT_FALSE(fs::exists(host("Copy/one.txt")));
  // A rename does not replace an existing file.
  EXPECT_NE(operate_a(FO_RENAME, "C:\\Copy\\first.txt", "sub"), 0);
  SHFILEOPSTRUCTA bad{};
  bad.wFunc = 9;
  bad.pFrom = "C:\\Copy\0";
  EXPECT_NE(SHFileOperationA(&bad), 0);
}

}  // namespace
