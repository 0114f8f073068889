// Base64 between "-----BEGIN ...-----" and "-----END ...-----" lines.
#pragma once

#include <optional>
#include <string_view>

namespace platform::crypt {

struct Armored {
  size_t skip;            // characters before "-----BEGIN"
  std::string_view body;  // the text between the two header lines
};

// Empty when the text has no complete BEGIN and END pair.
std::optional<Armored> find_armor(std::string_view text);

}  // namespace platform::crypt
