// Splitting a command line into the arguments that main receives, by the Windows C runtime's
// rules, or into those CommandLineToArgvW gives, by the shell's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::command_line {

// The two differ in the program name and in a doubled quote inside quotes (see the source).
enum class Rules { c_runtime, shell };

// argv[0] takes no escapes; the other arguments follow the backslash and quote rules.
std::vector<std::u16string> split(std::u16string_view line, Rules rules = Rules::c_runtime);

// The reverse: joins arguments with blanks, quoting those that hold blanks, tabs or quotes or are
// empty (inside quotes a quote is escaped with a backslash, and backslashes before a quote are
// doubled), so that split() gives the same arguments back.
std::u16string join(const std::vector<std::u16string>& args);

}  // namespace platform::command_line
