// What the clipboard offers of what was put on it: each text format stands in for the others
// (CF_TEXT in the ANSI code page, CF_OEMTEXT in the OEM one, CF_UNICODETEXT in UTF-16), each
// ending at its first NUL.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace platform::user::clipboard {

// Format -> the bytes that were put on the clipboard in it.
using Contents = std::map<UINT, std::string>;

// The bytes of `format`: as stored, else converted from a stored text format; null when neither.
std::optional<std::string> render(const Contents& stored, UINT format);
// Every format `render` can give, the stored ones first.
std::vector<UINT> available(const Contents& stored);

// CF_UNICODETEXT bytes for `text` (NUL-terminated) and back (up to the first NUL).
std::string unicode_bytes(std::u16string_view text);
std::u16string unicode_text(const std::string& bytes);

}  // namespace platform::user::clipboard
