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
