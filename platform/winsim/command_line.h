// A Windows command line from separate arguments.
#pragma once

#include <string>
#include <vector>

namespace winsim::tool {

// Joins arguments with blanks, quoting those that hold blanks, tabs or quotes or are empty, so
// that the C runtime's rules split the line back into the same arguments: inside quotes a
// quote is escaped with a backslash, and backslashes before a quote are doubled.
std::u16string join_command_line(const std::vector<std::u16string>& args);

}  // namespace winsim::tool
