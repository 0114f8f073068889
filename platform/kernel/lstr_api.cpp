// The lstr string functions. Like Windows they take null pointers without crashing.
#include <windows.h>

#include "kernel/text.h"

namespace {

using namespace platform;

template <class Unit>
int length(const Unit* s) {
  if (!s) return 0;
  int n = 0;
  while (s[n]) ++n;
  return n;
}

template <class Unit>
Unit* copy(Unit* to, const Unit* from) {
  if (!to || !from) return nullptr;
  int i = 0;
  for (; from[i]; ++i) to[i] = from[i];
  to[i] = 0;
  return to;
}

// At most max - 1 characters and always the NUL.
template <class Unit>
Unit* copy_n(Unit* to, const Unit* from, int max) {
  if (!to || !from) return nullptr;
  if (max <= 0) return to;
  int i = 0;
  for (; i < max - 1 && from[i]; ++i) to[i] = from[i];
  to[i] = 0;
  return to;
}

template <class Unit>
Unit* append(Unit* to, const Unit* from) {
  if (!to || !from) return nullptr;
  copy(to + length(to), from);
  return to;
}

// The order of case-insensitive comparison: ASCII letters fold to lower case, so that "_" and
// the other signs between "Z" and "a" sort before letters as the user locale has them.
char16_t order_key(char16_t c) {
  if (c >= u'A' && c <= u'Z') return char16_t(c + 32);
  if (c >= u'a' && c <= u'z') return c;
  return text::upper(c);
}

int compare_folded(std::u16string_view a, std::u16string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    char16_t x = order_key(a[i]), y = order_key(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

extern "C" {

int WINAPI lstrlenA(LPCSTR s) { return length(s); }
int WINAPI lstrlenW(LPCWSTR s) { return length(s); }
LPSTR WINAPI lstrcpyA(LPSTR to, LPCSTR from) { return copy(to, from); }
LPWSTR WINAPI lstrcpyW(LPWSTR to, LPCWSTR from) { return copy(to, from); }
LPSTR WINAPI lstrcpynA(LPSTR to, LPCSTR from, int max) { return copy_n(to, from, max); }
LPWSTR WINAPI lstrcpynW(LPWSTR to, LPCWSTR from, int max) { return copy_n(to, from, max); }
LPSTR WINAPI lstrcatA(LPSTR to, LPCSTR from) { return append(to, from); }
LPWSTR WINAPI lstrcatW(LPWSTR to, LPCWSTR from) { return append(to, from); }

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) {
  return compare_folded(text::from_ansi(a ? a : ""), text::from_ansi(b ? b : ""));
}

int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b) { return compare_folded(text::from_wide(a), text::from_wide(b)); }

}  // extern "C"
