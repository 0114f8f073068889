// Hexadecimal text to bytes: digit pairs, white space allowed between them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace platform::crypt {

// Empty when the text holds anything else, or an odd number of digits.
std::optional<std::vector<unsigned char>> decode_hex(std::string_view text);

}  // namespace platform::crypt
