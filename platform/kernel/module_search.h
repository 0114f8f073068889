// Which program file a process creation starts, by the Windows rules.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace platform::module_search {

struct Module {
  std::u16string windows_path;
  std::filesystem::path host_path;
};

// The module named by `application_name` (taken as given, against the current directory), or
// else by the first token of `command_line`: quoted, or for an unquoted line with blanks each
// successive split ("C:\a b c" tries "C:\a", "C:\a b", "C:\a b c"). A name without a path is
// looked for in the creator's program folder, the current directory, C:\Windows\System32 and
// C:\Windows; ".exe" is added to a name without an extension. Sets ERROR_FILE_NOT_FOUND.
std::optional<Module> find(std::u16string_view application_name, std::u16string_view command_line);

}  // namespace platform::module_search
