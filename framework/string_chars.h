// Character-string primitives for both widths. The C library's wide functions assume a 32-bit
// wchar_t on Linux, so the framework never calls them; these serve char and wchar_t alike.
// Case mapping follows the C runtime in its default locale: ASCII only. White space too for
// 8-bit text; the runtime's wide test does not depend on the locale and knows Unicode's spaces.
#pragma once

namespace framework {

template <class Ch>
struct StringChars {
  static int Length(const Ch* s) {
    if (s == nullptr) return 0;
    const Ch* p = s;
    while (*p != 0) ++p;
    return static_cast<int>(p - s);
  }
  // Length of s, but at most max characters are examined.
  static int LengthBounded(const Ch* s, int max) {
    int n = 0;
    while (n < max && s[n] != 0) ++n;
    return n;
  }

  // Unsigned code-unit order, as strcmp and wcscmp: -1, 0 or 1.
  static int Compare(const Ch* a, const Ch* b) {
    for (;; ++a, ++b) {
      unsigned ca = Unit(*a), cb = Unit(*b);
      if (ca != cb) return ca < cb ? -1 : 1;
      if (ca == 0) return 0;
    }
  }
  // As _stricmp and _wcsicmp: both sides folded to lower case.
  static int CompareNoCase(const Ch* a, const Ch* b) {
    for (;; ++a, ++b) {
      unsigned ca = Unit(ToLower(*a)), cb = Unit(ToLower(*b));
      if (ca != cb) return ca < cb ? -1 : 1;
      if (ca == 0) return 0;
    }
  }

  static const Ch* FindChar(const Ch* s, Ch c) {
    for (;; ++s) {
      if (*s == c) return s;
      if (*s == 0) return nullptr;
    }
  }
  static const Ch* FindLastChar(const Ch* s, Ch c) {
    const Ch* found = nullptr;
    for (;; ++s) {
      if (*s == c) found = s;
      if (*s == 0) return found;
    }
  }
  static const Ch* FindString(const Ch* s, const Ch* sub) {
    int n = Length(sub);
    for (;; ++s) {
      if (Equal(s, sub, n)) return s;
      if (*s == 0) return nullptr;
    }
  }
  // Stops at the first difference, so a may be shorter than n.
  static bool Equal(const Ch* a, const Ch* b, int n) {
    for (int i = 0; i < n; ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  static bool Contains(const Ch* set, Ch c) { return c != 0 && FindChar(set, c) != nullptr; }
  // strspn and strcspn.
  static int SpanIncluding(const Ch* s, const Ch* set) {
    int n = 0;
    while (s[n] != 0 && Contains(set, s[n])) ++n;
    return n;
  }
  static int SpanExcluding(const Ch* s, const Ch* set) {
    int n = 0;
    while (s[n] != 0 && !Contains(set, s[n])) ++n;
    return n;
  }

  static bool IsSpace(Ch c) {
    if (c == ' ' || (c >= '\t' && c <= '\r')) return true;
    if constexpr (sizeof(Ch) == 1) {
      return false;
    } else {
      unsigned u = Unit(c);
      return u == 0x85 || u == 0xA0 || u == 0x1680 || (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 ||
             u == 0x202F || u == 0x205F || u == 0x3000;
    }
  }
  static Ch ToUpper(Ch c) { return c >= 'a' && c <= 'z' ? static_cast<Ch>(c - 'a' + 'A') : c; }
  static Ch ToLower(Ch c) { return c >= 'A' && c <= 'Z' ? static_cast<Ch>(c - 'A' + 'a') : c; }

  static unsigned Unit(Ch c) {
    if constexpr (sizeof(Ch) == 1) {
      return static_cast<unsigned char>(c);
    } else {
      return static_cast<unsigned short>(c);
    }
  }
};

}  // namespace framework
