// The machine the tool works on: the folder WINSIM_ROOT names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform::tool {

// Prints "winsim: <message>" on stderr and gives the exit code of a failed command.
int fail(const std::string& message);

// WINSIM_ROOT as an absolute path; nothing (after a message) when it is not set.
std::optional<std::filesystem::path> root_from_environment();
bool holds_machine(const std::filesystem::path& root);
// Attaches the tool to the machine at WINSIM_ROOT; false (after a message) when there is none.
bool attach_machine();

}  // namespace platform::tool
