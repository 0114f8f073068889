// The system's message table: the English text of each error code the machine knows.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

namespace platform::messages {

// The text for an error code, or for an HRESULT that wraps one, ending in CR LF as the
// message table keeps it; nothing for an id the table does not hold.
std::optional<std::u16string> system_text(DWORD id);

}  // namespace platform::messages
