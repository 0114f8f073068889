// Texts of the 16-bit build as std::u16string and std::string, whole (embedded terminators
// included), so that GoogleTest compares and prints them: wchar_t is 16 bits here, which the
// standard library's wide facilities do not expect.
#pragma once

#include <string>

#include "cstringt.h"
#include "support/wide.h"

namespace unicode_testing {

using testing_support::U;
inline std::string A(const CStringA& s) { return std::string(s.GetString(), static_cast<size_t>(s.GetLength())); }

}  // namespace unicode_testing
