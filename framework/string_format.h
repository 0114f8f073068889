// printf-rule formatting for both character widths, as the framework's Format applies the
// Windows C runtime's rules:
//   %s and %c take text of the output's own width, %S and %C of the other width; the prefixes
//   h (narrow) and l or w (wide) name the width explicitly; text of the other width converts
//   through the ANSI code page; a null string prints "(null)".
//   Integers take the sizes hh, h, l, ll, I64, I32, I, j, z and t: l is 32 bits as Windows' long
//   is, I, z and t are as wide as a pointer; %p prints the pointer as upper-case hexadecimal
//   digits, two for each of its bytes. Flags, width, precision and '*' follow the C rules.
// The C library's wide functions cannot serve (wchar_t is 16 bits here), hence one formatter.
#pragma once

#include <stdarg.h>

#include <vector>

namespace framework {

template <class Ch>
std::vector<Ch> FormatPrintf(const Ch* format, va_list args);

extern template std::vector<char> FormatPrintf<char>(const char*, va_list);
extern template std::vector<wchar_t> FormatPrintf<wchar_t>(const wchar_t*, va_list);

}  // namespace framework
