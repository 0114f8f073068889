// The white space that CryptoAPI's text formats allow between their characters.
#pragma once

namespace platform::crypt {

inline bool is_white_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace platform::crypt
