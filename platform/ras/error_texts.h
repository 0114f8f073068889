// The English text of each RAS error code that RasGetErrorString knows.
#pragma once

namespace platform::ras {

constexpr unsigned kFirstErrorWithText = 600;
constexpr unsigned kLastErrorWithText = 870;

// Null outside 600..870.
const char* error_text(unsigned code);

}  // namespace platform::ras
