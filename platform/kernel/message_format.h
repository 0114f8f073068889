// Expansion of a message definition as FormatMessage does it: escapes (%n, %%, %0, ...) and
// numbered inserts (%1 .. %99, with a printf format between '!' marks).
#pragma once

#include <stdarg.h>

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace platform::messages {

// The values of the inserts: the caller's va_list, or its array of values. Each insert is one
// pointer-sized value, %1 the first.
class InsertValues {
 public:
  explicit InsertValues(va_list* list) : list_(list) {}
  explicit InsertValues(const DWORD_PTR* array) : array_(array) {}
  // False when the caller gave no values.
  bool get(unsigned number, DWORD_PTR* value);

 private:
  va_list* list_ = nullptr;
  const DWORD_PTR* array_ = nullptr;
  std::vector<DWORD_PTR> taken_;  // a va_list reads only forwards
};

struct Layout {
  bool ignore_inserts = false;
  bool join_lines = false;  // the definition's own line breaks become blanks
  bool wide = false;        // the caller's character width, which !s! and !c! take
};

// False, with the last error set, when an insert has no value or a format the function lacks.
bool expand(std::u16string_view definition, const Layout& layout, InsertValues& values, std::u16string* out);

}  // namespace platform::messages
