// World files: plain text, one statement of the world's language a line (net/world_language.h),
// words separated by blanks, "double quotes" around a word with blanks, '#' to the end of the
// line a comment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "net/world_language.h"

namespace platform::net {

// Throws WorldError for a quote left open.
std::vector<std::string> split_words(std::string_view line);
// The statements applied in order to an empty world. Throws WorldError("line N: ...").
World parse_world(std::string_view text);
// The world as a world file that parse_world reads back to the same world.
std::string format_world(const World& world);

}  // namespace platform::net
