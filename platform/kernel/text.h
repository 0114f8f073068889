// Text conversions inside the platform: UTF-16 (the programs' wide text), UTF-8 (Linux names)
// and windows-1252 (the machine's ANSI code page).
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace platform::text {

std::u16string from_wide(const WCHAR* text);  // null gives an empty string
std::u16string from_wide(const WCHAR* text, size_t length);
inline const WCHAR* wide(const std::u16string& s) { return reinterpret_cast<const WCHAR*>(s.c_str()); }

std::string utf8(std::u16string_view text);
std::u16string utf16(std::string_view utf8_text);

// windows-1252 <-> UTF-16; unmapped UTF-16 units become '?' (WideCharToMultiByte's default).
std::u16string from_ansi(std::string_view ansi);
std::string to_ansi(std::u16string_view text, bool* used_default = nullptr);

// Case folding as Windows compares file, registry and object names.
char16_t upper(char16_t c);
std::u16string upper(std::u16string_view text);
bool iequals(std::u16string_view a, std::u16string_view b);

}  // namespace platform::text
