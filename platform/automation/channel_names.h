// The names `winsim desktop` takes for keys and message-box buttons, case-insensitive.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform::automation {

// Enter, Escape, Tab, Space, Backspace, Delete, Insert, Home, End, PageUp, PageDown, Left, Up,
// Right, Down, F1..F12, a letter or a digit: its virtual-key code.
std::optional<uint16_t> virtual_key(std::string_view name);
// OK, Cancel, Abort, Retry, Ignore, Yes, No, TryAgain, Continue: the button's id (IDOK, ...).
std::optional<int> button_id(std::string_view name);

}  // namespace platform::automation
