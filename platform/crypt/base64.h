// Base64 text (standard alphabet, "=" padding) to bytes, as CryptoAPI reads it: blanks, tabs
// and line breaks anywhere are skipped, a final group may lack its padding.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace platform::crypt {

// Empty when the text holds anything else than Base64 and white space.
std::optional<std::vector<unsigned char>> decode_base64(std::string_view text);

}  // namespace platform::crypt
