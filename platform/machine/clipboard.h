// The machine's clipboard as its user reads it: the text on it in any of the text formats.
#pragma once

#include <optional>
#include <string>

namespace platform::desktop {

// Null when the clipboard holds no text.
std::optional<std::u16string> clipboard_text();

}  // namespace platform::desktop
