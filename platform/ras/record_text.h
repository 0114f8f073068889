// Text in the fixed-size character fields of the RAS records, in their ANSI and wide forms.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include <windows.h>

#include "kernel/out_buffer.h"
#include "kernel/text.h"

namespace platform::ras {

// Stores as much of `s` as fits, always NUL-terminated.
template <size_t N>
void put(CHAR (&field)[N], std::u16string_view s) {
  std::string ansi = text::to_ansi(s);
  out::truncated<char>(ansi, field, N);
}
template <size_t N>
void put(WCHAR (&field)[N], std::u16string_view s) {
  out::truncated<char16_t>(s, reinterpret_cast<char16_t*>(field), N);
}

// The field's text up to its NUL, or all of it when a caller left no NUL.
template <size_t N>
std::u16string get(const CHAR (&field)[N]) {
  return text::from_ansi(std::string_view(field, strnlen(field, N)));
}
template <size_t N>
std::u16string get(const WCHAR (&field)[N]) {
  size_t n = 0;
  while (n < N && field[n]) ++n;
  return text::from_wide(field, n);
}

}  // namespace platform::ras
