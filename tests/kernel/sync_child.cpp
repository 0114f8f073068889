#include "sync_child.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "support/machine_fixture.h"

extern char** environ;

namespace sync_test {

Child::Child(const std::string& program, const std::vector<std::string>& args) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[1]);
  std::string path = (testing_support::program_dir() / (program + ".exe")).string();
  std::vector<char*> argv{path.data()};
  std::vector<std::string> copies = args;
  for (auto& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  int error = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  out_ = pipe_fds[0];
  if (error) throw std::runtime_error("cannot start " + path);
}

Child::~Child() {
  if (!reaped_) {
    kill();
    wait();
  }
  close(out_);
}

std::string Child::line() {
  for (;;) {
    size_t newline = pending_.find('\n');
    if (newline != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      return line;
    }
    char buffer[256];
    ssize_t n = read(out_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::exchange(pending_, std::string());
    pending_.append(buffer, size_t(n));
  }
}

void Child::kill() {
  if (!reaped_) ::kill(pid_, SIGKILL);
}

int Child::wait() {
  if (reaped_) return status_;
  while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
  }
  reaped_ = true;
  return status_;
}

}  // namespace sync_test
