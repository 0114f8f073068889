// The font files the desktop draws with: Liberation Sans stands in for every face a program names.
#pragma once

#include <array>
#include <string>

namespace platform::gdi {

// Liberation Sans' files, indexed (bold ? 2 : 0) + (italic ? 1 : 0), found through fontconfig.
// Throws std::runtime_error when a style is missing: measures taken with a substitute would
// differ from machine to machine.
std::array<std::string, 4> find_stand_in_font_files();

}  // namespace platform::gdi
