// Starting a Linux program with exactly the descriptors it is meant to have.
#pragma once

#include <sys/types.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct SpawnRequest {
  std::filesystem::path program;
  std::vector<std::string> argv;
  std::vector<std::string> env;
  std::array<int, 3> std_fds{-1, -1, -1};  // this process's descriptors for 0, 1, 2; -1: /dev/null
  std::vector<int> extra_fds;              // this process's descriptors for 3, 4, ... in order
};

// The child's pid, or -errno. Every other descriptor is closed in the child.
pid_t spawn(const SpawnRequest& request);

}  // namespace platform
