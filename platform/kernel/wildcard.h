// File-name patterns as FindFirstFile matches them: "*" and "?" without regard to case, with
// the MS-DOS rules Windows keeps: "*.*" matches names without a dot, "*." only those, "?"
// before a dot or at the end also matches nothing ("file??.txt" matches "file1.txt"), and
// "*.txt" means the extension after the last dot.
#pragma once

#include <string_view>

namespace platform::files {

bool wildcard_match(std::u16string_view pattern, std::u16string_view name);
bool has_wildcards(std::u16string_view pattern);

}  // namespace platform::files
