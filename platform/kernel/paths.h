// Windows paths of the machine and the Linux paths inside its root that hold them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform::paths {

// The full Windows form of `path`: relative paths against the current directory, "/" taken as
// "\", "." and ".." removed ("C:\Tarvolt\Tarvolt.txt").
std::u16string full(std::u16string_view path);

// The Linux path that holds a Windows path. Every existing component is found without regard to
// case; components that do not exist yet keep the case given. Empty for a path outside the
// machine's drives.
std::optional<std::filesystem::path> to_host(std::u16string_view path);

// The Windows path of a Linux path inside the root, or empty when it lies outside.
std::u16string to_windows(const std::filesystem::path& host);

// The process's current directory (a full Windows path without a trailing "\" except "C:\").
std::u16string current_directory();
bool set_current_directory(std::u16string_view path);

}  // namespace platform::paths
