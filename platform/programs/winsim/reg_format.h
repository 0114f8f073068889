// Registry values in the text form of the Windows reg tool.
#pragma once

#include <string>

#include "registry/store.h"

namespace platform::tool {

// "REG_SZ", "REG_BINARY", ...
std::string reg_type_name(DWORD type);
// Strings as they are (UTF-8), REG_MULTI_SZ joined with "\0", numbers as 0x..., other data as
// upper-case hex.
std::string reg_data_text(const registry::Value& value);
// "    NAME    TYPE    DATA", the unnamed value as "(Default)".
std::string reg_value_line(const registry::Value& value);

}  // namespace platform::tool
