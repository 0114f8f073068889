// The rules of entry names: what RasValidateEntryName accepts and what a phone book can hold.
#pragma once

#include <string_view>

namespace platform::ras {

// At most RAS_MaxEntryName units, at least one letter or digit, no leading '.', none of
// | > < ? * \ / : and no control characters (they would break the phone book's lines).
bool valid_entry_name(std::u16string_view name);

}  // namespace platform::ras
