// The Linux environment of a child process.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The creator's environment (with the variables every Windows process has, such as COMSPEC,
// added when it lacks them), or the block given to CreateProcess ("NAME=value" strings each
// ended by NUL, the block by another; UTF-16 when `unicode`, else windows-1252), without the
// variables of the creator protocol, followed by `protocol`.
std::vector<std::string> child_environment(const void* block, bool unicode, std::vector<std::string> protocol);

}  // namespace platform
