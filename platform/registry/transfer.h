// Moving names and data between the callers' buffers and the store: the size protocol of the
// query and enumeration functions, and the ANSI forms' conversions.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "kernel/text.h"

namespace platform::registry {

// Data by the size-query protocol: no buffer asks for the size; a buffer too small gets
// ERROR_MORE_DATA and the size needed in *size.
LONG give_data(const std::string& data, LPBYTE out, LPDWORD size);

// A name into a buffer of *chars characters, its terminator included; *chars becomes the
// name's length. ERROR_MORE_DATA when it does not fit.
LONG give_name(const std::u16string& name, LPWSTR out, LPDWORD chars);
LONG give_name(const std::string& name, LPSTR out, LPDWORD chars);

// A stored name in the caller's character form.
inline const std::u16string& in_form(const std::u16string& name, const WCHAR*) { return name; }
inline std::string in_form(const std::u16string& name, const char*) { return text::to_ansi(name); }

// Keys here have no class: an empty one for callers that ask.
template <class Char>
LONG give_class(Char* out, LPDWORD chars) {
  if (out && !chars) return ERROR_INVALID_PARAMETER;
  if (out) {
    if (*chars == 0) return ERROR_MORE_DATA;
    out[0] = 0;
  }
  if (chars) *chars = 0;
  return ERROR_SUCCESS;
}

FILETIME filetime(int64_t unix_ns);

// Names as given; null is the empty name (a key's default value).
std::u16string wide_name(LPCWSTR name);
std::u16string ansi_name(LPCSTR name);

// The ANSI forms store string data as UTF-16, as the wide forms read it, and read it back in
// the ANSI code page. Other types pass unchanged.
std::string data_from_ansi(DWORD type, const std::string& data);
std::string data_to_ansi(DWORD type, const std::string& data);

}  // namespace platform::registry
