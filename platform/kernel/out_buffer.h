// Results copied into callers' buffers by the Win32 size protocols, for wide and ANSI text.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include <windows.h>

#include "kernel/text.h"

namespace platform::out {

// Copies `s` and its NUL when `size` holds both and returns the length; otherwise leaves the
// buffer alone and returns the size needed, NUL included (GetCurrentDirectory, GetTempPath).
template <class Unit>
DWORD sized(std::basic_string_view<Unit> s, Unit* buffer, DWORD size) {
  if (!buffer || size <= s.size()) return DWORD(s.size() + 1);
  std::memcpy(buffer, s.data(), s.size() * sizeof(Unit));
  buffer[s.size()] = 0;
  return DWORD(s.size());
}

inline DWORD sized(std::u16string_view s, WCHAR* buffer, DWORD size) {
  return sized<char16_t>(s, reinterpret_cast<char16_t*>(buffer), size);
}
inline DWORD sized_ansi(std::u16string_view s, CHAR* buffer, DWORD size) {
  std::string ansi = text::to_ansi(s);
  return sized<char>(ansi, buffer, size);
}

// Copies as much as fits, always NUL-terminated when `size` > 0; returns the units copied.
template <class Unit>
size_t truncated(std::basic_string_view<Unit> s, Unit* buffer, size_t size) {
  if (!buffer || size == 0) return 0;
  size_t n = s.size() < size ? s.size() : size - 1;
  std::memcpy(buffer, s.data(), n * sizeof(Unit));
  buffer[n] = 0;
  return n;
}

inline std::u16string in(LPCWSTR s) { return text::from_wide(s); }
inline std::u16string in(LPCSTR s) { return s ? text::from_ansi(s) : std::u16string(); }

}  // namespace platform::out
