// A CREATESTRUCT in the other character form, for a window procedure or hook of that form.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "kernel/out_buffer.h"
#include "kernel/text.h"

namespace platform::user {

// CREATESTRUCT of the other form, with its texts converted; kept alive for the call.
template <class To, class From, class Text>
struct ConvertedCreate {
  To cs;
  Text name, cls;
  explicit ConvertedCreate(const From* from) {
    std::memcpy(&cs, from, sizeof cs);
    if (from->lpszName) {
      name = convert(from->lpszName);
      cs.lpszName = reinterpret_cast<decltype(cs.lpszName)>(name.c_str());
    }
    if (reinterpret_cast<uintptr_t>(from->lpszClass) >= 0x10000) {
      cls = convert(from->lpszClass);
      cs.lpszClass = reinterpret_cast<decltype(cs.lpszClass)>(cls.c_str());
    }
  }
  static std::string convert(LPCWSTR s) { return text::to_ansi(out::in(s)); }
  static std::u16string convert(LPCSTR s) { return out::in(s); }
};

}  // namespace platform::user
