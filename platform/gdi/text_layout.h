// Lines of text as DrawText with DT_WORDBREAK lays them out: line feeds end a line, a line breaks
// at the blank before the word that would pass the width, and a word wider than the width stands
// alone on its line unbroken. The blanks at a break belong to no line.
#pragma once

#include <string_view>
#include <vector>

#include "gdi/scaled_font.h"

namespace platform::gdi {

std::vector<std::u16string_view> wrap_lines(const ScaledFont& font, std::u16string_view text, int max_width);

// Lines split at line feeds only ("\r\n", "\n" or "\r").
std::vector<std::u16string_view> split_lines(std::u16string_view text);

}  // namespace platform::gdi
