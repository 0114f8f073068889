// What a new process receives from its creator: inherited handles, standard handles, console.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include <windows.h>

#include "kernel/creator_protocol.h"

namespace platform {

struct ChildHandover {
  std::array<int, 3> std_fds{-1, -1, -1};  // this process's descriptors for the child's 0, 1, 2
  std::vector<int> extra_fds;              // this process's descriptors for the child's 3, 4, ...
  creator::Inheritance inheritance;        // how the child finds them
  std::vector<std::shared_ptr<void>> borrowed;  // keeps the descriptors open until the child has copies
};

// With `inherit_handles` every inheritable handle that stands for a descriptor goes along at its
// value. The standard handles are the ones of STARTF_USESTDHANDLES, or else this process's own
// when the child shares its console, a new console's (CREATE_NEW_CONSOLE, CREATE_NO_WINDOW) or
// none (DETACHED_PROCESS).
ChildHandover hand_over(bool inherit_handles, DWORD creation_flags, const STARTUPINFOW& startup);

}  // namespace platform
