// Runs a Linux program of the build (winsim, a test program) as a child process and collects
// its exit code and output. The child gets this process's environment, WINSIM_ROOT included,
// with the changes given.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace testing_support {

struct Finished {
  int exit_code = -1;
  std::string out;
  std::string err;
};

inline Finished run_program(const std::filesystem::path& program, const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& env_changes = {}) {
  std::vector<std::string> env_strings;
  for (char** e = environ; *e; ++e) {
    std::string entry = *e;
    if (!env_changes.count(entry.substr(0, entry.find('=')))) env_strings.push_back(entry);
  }
  for (const auto& [name, value] : env_changes) env_strings.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (auto& s : env_strings) envp.push_back(s.data());
  envp.push_back(nullptr);

  std::string path = program.string();
  std::vector<std::string> argv_strings{path};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argv_strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  int out_pipe[2], err_pipe[2];
  Finished result;
  // Close-on-exec: a child started by another thread at the same time must not inherit them.
  if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);
  for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out_pipe[1]);
  close(err_pipe[1]);
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_fds = 2;
  while (spawned == 0 && open_fds > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !fds[i].revents) continue;
      char buffer[4096];
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, size_t(n));
      } else {
        fds[i].fd = -1;
        --open_fds;
      }
    }
  }
  close(out_pipe[0]);
  close(err_pipe[0]);
  int status = 0;
  if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

}  // namespace testing_support
