// Conversion between the two character widths through the ANSI code page, as the framework's
// strings convert: 8-bit text is in the machine's ANSI code page.
#pragma once

#include <windows.h>

namespace framework {

// The number of units the first n units of src become in the other width.
inline int ConvertedLength(const char* src, int n) {
  return n <= 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, src, n, nullptr, 0);
}
inline int ConvertedLength(const wchar_t* src, int n) {
  return n <= 0 ? 0 : WideCharToMultiByte(CP_ACP, 0, src, n, nullptr, 0, nullptr, nullptr);
}

// Converts the first n units of src into dst, which holds room for length units.
inline void ConvertInto(const char* src, int n, wchar_t* dst, int length) {
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, src, n, dst, length);
}
inline void ConvertInto(const wchar_t* src, int n, char* dst, int length) {
  if (length > 0) WideCharToMultiByte(CP_ACP, 0, src, n, dst, length, nullptr, nullptr);
}

}  // namespace framework
