// Wide strings in the tests of both builds. WCHAR is 16 bits in each, but only std::u16string is
// a string type that GoogleTest compares and prints whatever the build, so tests compare
// U(buffer) with u"..." and hand u"..." or a std::u16string to the API through W(). u8() gives
// the UTF-8 form for byte checks and messages, u16() reads UTF-8 back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <type_traits>

namespace testing_support {

// A null-terminated wide string; a null pointer is the empty string.
inline std::u16string U(const WCHAR* s) {
  return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : std::u16string();
}
inline std::u16string U(const WCHAR* s, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(s), length);
}
// A string class of the framework (CStringW): its whole length, embedded terminators included.
template <class S>
  requires std::is_same_v<decltype(std::declval<const S&>().GetString()), const WCHAR*>
std::u16string U(const S& s) {
  return U(s.GetString(), size_t(s.GetLength()));
}

inline const WCHAR* W(const std::u16string& s) { return reinterpret_cast<const WCHAR*>(s.c_str()); }
inline const WCHAR* W(const char16_t* s) { return reinterpret_cast<const WCHAR*>(s); }

// UTF-8 of UTF-16; a lone surrogate becomes U+FFFD.
inline std::string u8(std::u16string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      c = 0xFFFD;
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}
inline std::string u8(const WCHAR* s) { return u8(U(s)); }

// UTF-16 of UTF-8; a byte that starts no valid sequence becomes U+FFFD.
inline std::u16string u16(std::string_view s) {
  std::u16string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char lead = static_cast<unsigned char>(s[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xC0 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF8 ? 3 : -1;
    char32_t c = lead & (0x7F >> (extra < 1 ? 0 : extra + 1));
    bool valid = extra >= 0 && i + size_t(extra) < s.size();
    for (int k = 1; valid && k <= extra; ++k) {
      unsigned char next = static_cast<unsigned char>(s[i + size_t(k)]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += char16_t(0xFFFD);
      ++i;
      continue;
    }
    i += size_t(extra) + 1;
    if (c >= 0x10000) {
      out += char16_t(0xD800 + ((c - 0x10000) >> 10));
      out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += char16_t(c);
    }
  }
  return out;
}

}  // namespace testing_support
