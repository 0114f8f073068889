#include "registry/transfer.h"

#include <cstring>


namespace platform::registry {
namespace {

bool is_string_type(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

template <class Char, class Stored>
LONG give(const Stored& name, Char* out, LPDWORD chars) {
  static_assert(sizeof(Char) == sizeof(typename Stored::value_type));
  if (!out || !chars) return ERROR_INVALID_PARAMETER;
  if (name.size() + 1 > *chars) return ERROR_MORE_DATA;
  std::memcpy(out, name.data(), name.size() * sizeof(Char));
  out[name.size()] = 0;
  *chars = DWORD(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

LONG give_data(const std::string& data, LPBYTE out, LPDWORD size) {
  if (!size) return out ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  DWORD needed = DWORD(data.size());
  if (!out) {
    *size = needed;
    return ERROR_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (needed) std::memcpy(out, data.data(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LONG give_name(const std::u16string& name, LPWSTR out, LPDWORD chars) { return give(name, out, chars); }
LONG give_name(const std::string& name, LPSTR out, LPDWORD chars) { return give(name, out, chars); }

FILETIME filetime(int64_t unix_ns) {
  constexpr int64_t kUnixEpochIn1601Ticks = 116444736000000000LL;  // 100 ns ticks
  uint64_t ticks = uint64_t(unix_ns / 100 + kUnixEpochIn1601Ticks);
  return FILETIME{DWORD(ticks & 0xFFFFFFFF), DWORD(ticks >> 32)};
}

std::u16string wide_name(LPCWSTR name) { return text::from_wide(name); }
std::u16string ansi_name(LPCSTR name) { return name ? text::from_ansi(name) : std::u16string(); }

std::string data_from_ansi(DWORD type, const std::string& data) {
  if (!is_string_type(type)) return data;
  std::u16string wide = text::from_ansi(data);
  return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
}

std::string data_to_ansi(DWORD type, const std::string& data) {
  if (!is_string_type(type)) return data;
  std::u16string wide(data.size() / sizeof(char16_t), u'\0');
  std::memcpy(wide.data(), data.data(), wide.size() * sizeof(char16_t));
  return text::to_ansi(wide);
}

}  // namespace platform::registry
