// Texts of the 16-bit build as std::u16string and std::string, whole (embedded terminators
// included), so that GoogleTest compares and prints them: wchar_t is 16 bits here, which the
// standard library's wide facilities do not expect.
#pragma once

#include <string>

#include "cstringt.h"

namespace unicode_testing {

inline std::u16string U(const wchar_t* s) { return reinterpret_cast<const char16_t*>(s); }
inline std::u16string U(const CStringW& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.GetString()), static_cast<size_t>(s.GetLength()));
}
inline std::string A(const CStringA& s) { return std::string(s.GetString(), static_cast<size_t>(s.GetLength())); }

}  // namespace unicode_testing
