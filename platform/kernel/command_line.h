// Splitting a command line into the arguments that main receives, by the Windows C runtime's
// rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace winsim::command_line {

// argv[0] ends at the first blank outside quotes and takes no escapes; the other arguments
// follow the backslash and quote rules ("" inside quotes is a literal quote).
std::vector<std::u16string> split(std::u16string_view line);

}  // namespace winsim::command_line
