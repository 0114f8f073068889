// The A and W forms of the functions share one implementation over windows-1252 text.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "kernel/text.h"

namespace platform::inet {

inline std::string ansi_of(const char* text) { return text ? text : ""; }
inline std::string ansi_of(const WCHAR* text) { return text::to_ansi(text::from_wide(text)); }
inline std::string ansi_of(const char* text, size_t length) { return std::string(text, length); }
inline std::string ansi_of(const WCHAR* text, size_t length) { return text::to_ansi(text::from_wide(text, length)); }

// The length of a NUL-terminated text in its own units.
template <class Unit>
size_t units_of(const Unit* text) {
  size_t n = 0;
  while (text[n]) ++n;
  return n;
}

// FALSE (or null) with the last error set, for the functions' failure paths.
inline BOOL failed(DWORD error) {
  SetLastError(error);
  return FALSE;
}
// TRUE with the last error cleared, as WinInet leaves it after a success.
inline BOOL succeeded() {
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

// Too small a buffer learns the size needed in bytes, NUL included (in both forms); a filled one
// the length in characters without it.
template <class Unit>
BOOL deliver_text(const std::string& text, LPVOID buffer, LPDWORD length) {
  std::u16string wide = sizeof(Unit) == 2 ? text::from_ansi(text) : std::u16string();
  const void* units = sizeof(Unit) == 2 ? static_cast<const void*>(wide.c_str()) : text.c_str();
  DWORD characters = DWORD(sizeof(Unit) == 2 ? wide.size() : text.size());
  DWORD needed = DWORD((characters + 1) * sizeof(Unit));
  if (!buffer || *length < needed) {
    *length = needed;
    return failed(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(buffer, units, needed);
  *length = characters;
  return TRUE;
}

}  // namespace platform::inet
