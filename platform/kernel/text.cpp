#include "kernel/text.h"

namespace platform::text {
namespace {

// windows-1252 bytes 0x80-0x9F; 0 marks the five bytes the code page leaves undefined, which
// Windows maps to the same-valued control characters.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::u16string from_wide(const WCHAR* text) {
  if (!text) return {};
  size_t n = 0;
  while (text[n]) ++n;
  return from_wide(text, n);
}

std::u16string from_wide(const WCHAR* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

std::string utf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
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

std::u16string utf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char b = s[i];
    char32_t c;
    size_t n;
    if (b < 0x80) {
      c = b, n = 1;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F, n = 2;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F, n = 3;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07, n = 4;
    } else {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    if (i + n > s.size()) {
      out += u'\xFFFD';
      break;
    }
    bool ok = true;
    for (size_t k = 1; k < n; ++k) {
      unsigned char cb = s[i + k];
      if ((cb & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (cb & 0x3F);
    }
    i += ok ? n : 1;
    if (!ok) {
      out += u'\xFFFD';
    } else if (c >= 0x10000) {
      c -= 0x10000;
      out += char16_t(0xD800 + (c >> 10));
      out += char16_t(0xDC00 + (c & 0x3FF));
    } else {
      out += char16_t(c);
    }
  }
  return out;
}

std::u16string from_ansi(std::string_view ansi) {
  std::u16string out;
  out.reserve(ansi.size());
  for (unsigned char b : ansi) {
    if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80])
      out += kCp1252High[b - 0x80];
    else
      out += char16_t(b);
  }
  return out;
}

std::string to_ansi(std::u16string_view s, bool* used_default) {
  std::string out;
  out.reserve(s.size());
  if (used_default) *used_default = false;
  for (char16_t c : s) {
    char byte = 0;
    bool mapped = false;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      byte = char(c), mapped = true;
    } else {
      for (int i = 0; i < 32; ++i) {
        char16_t m = kCp1252High[i] ? kCp1252High[i] : char16_t(0x80 + i);
        if (m == c) {
          byte = char(0x80 + i), mapped = true;
          break;
        }
      }
    }
    if (!mapped) {
      byte = '?';
      if (used_default) *used_default = true;
    }
    out += byte;
  }
  return out;
}

char16_t upper(char16_t c) {
  if (c >= u'a' && c <= u'z') return char16_t(c - 32);
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return char16_t(c - 32);
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F && (c & 1) && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F &&
      !(c >= 0x139 && c <= 0x148) && !(c >= 0x179 && c <= 0x17E))
    return char16_t(c - 1);
  if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && !(c & 1)) return char16_t(c - 1);
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return char16_t(c - 32);
  if (c >= 0x430 && c <= 0x44F) return char16_t(c - 32);
  if (c >= 0x450 && c <= 0x45F) return char16_t(c - 80);
  return c;
}

std::u16string upper(std::u16string_view s) {
  std::u16string out(s);
  for (auto& c : out) c = upper(c);
  return out;
}

bool iequals(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

}  // namespace platform::text
