// Finding the Linux file that a Windows path names, with the reasons a path cannot name one.
#pragma once

#include <filesystem>
#include <string_view>

#include <windows.h>

namespace platform::paths {

struct HostPath {
  std::filesystem::path host;  // existing components in their on-disk case, the rest as given
  std::u16string windows;      // the full Windows path
  DWORD error = 0;             // ERROR_BAD_NETPATH, ERROR_PATH_NOT_FOUND or ERROR_INVALID_NAME
  bool exists = false;         // the final component exists
  bool directory = false;      // ... and is a folder
};

// Resolves a Windows path (relative ones against the current directory). A missing final
// component is no error: `exists` tells. `wildcards_in_name` lets the final component hold
// "*" and "?" (FindFirstFile patterns).
HostPath resolve(std::u16string_view path, bool wildcards_in_name = false);

// The Linux folder of a drive ("C" -> <root>/drive_c), or empty when the machine lacks it.
std::filesystem::path drive_folder(char16_t letter);

}  // namespace platform::paths
