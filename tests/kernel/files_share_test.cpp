#include <windows.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files_fixture.h"

extern char** environ;

namespace {

using files_testing::FilesTest;

constexpr DWORD kReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// bin/holdfile.exe started inside the machine, holding a file open until released.
class Holder {
 public:
  Holder(const std::string& path, const char* access, DWORD share) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string program = (testing_support::program_dir() / "holdfile.exe").string();
    std::string share_text = std::to_string(share);
    std::vector<char*> argv = {program.data(), const_cast<char*>(path.c_str()), const_cast<char*>(access),
                               share_text.data(), nullptr};
    std::vector<std::string> env_strings = {"WINSIM_IMAGE=C:\\Tarvolt\\holdfile.exe"};
    for (char** e = environ; *e; ++e)
      if (std::string(*e).rfind("WINSIM_IMAGE=", 0) != 0) env_strings.push_back(*e);
    std::vector<char*> env;
    for (auto& s : env_strings) env.push_back(s.data());
    env.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), env.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    output_ = fdopen(out[0], "r");
  }

  ~Holder() {
    release();
    if (output_) fclose(output_);
  }

  // The child's first line: "open" once it holds the file.
  std::string status() {
    char line[64] = {};
    if (!output_ || !fgets(line, sizeof line, output_)) return "no answer";
    std::string s = line;
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
  }

  void release() {
    if (stdin_ >= 0) close(stdin_);
    stdin_ = -1;
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  void kill_hard() {
    if (pid_ > 0) kill(pid_, SIGKILL);
    release();
  }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  FILE* output_ = nullptr;
};

class FilesShareTest : public FilesTest {};

TEST_F(FilesShareTest, ModesAreCheckedBothWaysWithinAProcess) {
  const WCHAR* name = L"C:\\Tarvolt\\shared.log";
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
  EXPECT_EQ(slurp("Tarvolt/shared.log"), "line\r\n");
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
  put("Tarvolt/busy.txt", "data");
  const WCHAR* name = L"C:\\Tarvolt\\busy.txt";
  HANDLE h = open(name, GENERIC_WRITE, kReadWrite, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(DeleteFileW(name));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(MoveFileW(name, L"C:\\Tarvolt\\moved.txt"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  // CopyFile reads with FILE_SHARE_READ | FILE_SHARE_DELETE: a writer blocks it.
  EXPECT_FALSE(CopyFileW(name, L"C:\\Tarvolt\\copy.txt", TRUE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  CloseHandle(h);

  // With FILE_SHARE_DELETE the file may go while open.
  h = open(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(CopyFileW(name, L"C:\\Tarvolt\\copy.txt", TRUE));
  EXPECT_TRUE(MoveFileW(name, L"C:\\Tarvolt\\moved.txt"));
  EXPECT_TRUE(DeleteFileW(L"C:\\Tarvolt\\moved.txt"));
  char buffer[8];
  DWORD n;
  EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(std::string(buffer, n), "data");
  CloseHandle(h);
  EXPECT_EQ(slurp("Tarvolt/copy.txt"), "data");
}

TEST_F(FilesShareTest, ModesHoldAcrossProcesses) {
  put("Tarvolt/service.log", "started\r\n");
  // Another program keeps the log open for writing and lets others read.
  Holder service("C:\\TARVOLT\\Service.log", "w", FILE_SHARE_READ);
  ASSERT_EQ(service.status(), "open");

  const WCHAR* name = L"C:\\Tarvolt\\service.log";
  EXPECT_EQ(open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(open(name, GENERIC_WRITE, kReadWrite, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(DeleteFileW(name));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  HANDLE viewer = open(name, GENERIC_READ, kReadWrite, OPEN_EXISTING);
  ASSERT_NE(viewer, INVALID_HANDLE_VALUE);

  // And the other way: our open keeps a second program from writing.
  Holder intruder("C:\\Tarvolt\\service.log", "w", kReadWrite);
  EXPECT_EQ(intruder.status(), "error 32");
  CloseHandle(viewer);

  service.release();
  HANDLE writer = open(name, GENERIC_WRITE, 0, OPEN_EXISTING);
  EXPECT_NE(writer, INVALID_HANDLE_VALUE);
  CloseHandle(writer);
}

TEST_F(FilesShareTest, OpensOfEndedProcessesAreIgnored) {
  put("Tarvolt/locked.dat", "x");
  Holder crashed("C:\\Tarvolt\\locked.dat", "rw", 0);
  ASSERT_EQ(crashed.status(), "open");
  EXPECT_EQ(open(L"C:\\Tarvolt\\locked.dat", GENERIC_READ, kReadWrite, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  crashed.kill_hard();  // ends without closing its handle
  HANDLE h = open(L"C:\\Tarvolt\\locked.dat", GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
  EXPECT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
}

}  // namespace
