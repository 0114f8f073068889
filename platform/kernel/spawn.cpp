#include "kernel/spawn.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

namespace platform {
namespace {

std::vector<char*> pointers(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

// Copies of the descriptors above every target number, so that placing one never overwrites
// another that is still to be placed. Closed on destruction.
class Lifted {
 public:
  explicit Lifted(int floor) : floor_(floor) {}
  ~Lifted() {
    for (int fd : fds_) close(fd);
  }
  // A copy of `fd`, or of /dev/null for -1; -1 when that fails.
  int add(int fd) {
    int source = fd >= 0 ? fd : open("/dev/null", O_RDWR | O_CLOEXEC);
    int lifted = source >= 0 ? fcntl(source, F_DUPFD_CLOEXEC, floor_) : -1;
    if (fd < 0 && source >= 0) close(source);
    if (lifted >= 0) fds_.push_back(lifted);
    return lifted;
  }

 private:
  int floor_;
  std::vector<int> fds_;
};

}  // namespace

pid_t spawn(const SpawnRequest& request) {
  const int floor = 3 + int(request.extra_fds.size());
  Lifted lifted(floor);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int error = 0;
  auto place = [&](int fd, int target) {
    int copy = lifted.add(fd);
    if (copy < 0) error = errno;
    else posix_spawn_file_actions_adddup2(&actions, copy, target);
  };
  for (int i = 0; i < 3; ++i) place(request.std_fds[i], i);
  for (size_t i = 0; i < request.extra_fds.size(); ++i) place(request.extra_fds[i], 3 + int(i));
  posix_spawn_file_actions_addclosefrom_np(&actions, floor);

  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

  pid_t pid = -1;
  if (!error) {
    std::vector<char*> argv = pointers(request.argv);
    std::vector<char*> env = pointers(request.env);
    error = posix_spawn(&pid, request.program.c_str(), &actions, &attributes, argv.data(), env.data());
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error ? -error : pid;
}

}  // namespace platform
