// The web addresses ShellExecute opens: recognised, and recorded in the machine in place of a
// browser showing them (machine/opened_targets.h reads them back).
#pragma once

#include <string>
#include <string_view>

namespace platform::shell {

// An http:// or https:// address, whose scheme the default browser takes.
bool is_web_address(std::u16string_view target);
// Records the address as opened by the calling process.
void record_opened(const std::u16string& target);

}  // namespace platform::shell
