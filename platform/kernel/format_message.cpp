// FormatMessage: finds the message definition (the caller's string or the system's table),
// expands it and hands the text back in the caller's buffer or in one allocated for it.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include <windows.h>

#include "kernel/builtin_modules.h"
#include "kernel/message_format.h"
#include "kernel/system_messages.h"
#include "kernel/text.h"

namespace {

using namespace platform;

std::nullopt_t fail(DWORD error) {
  SetLastError(error);
  return std::nullopt;
}

bool speaks(DWORD language) {
  return language == 0 || language == LANG_USER_DEFAULT || language == LANG_SYSTEM_DEFAULT ||
         language == MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

std::optional<std::u16string> definition(DWORD flags, LPCVOID source, DWORD id, DWORD language, bool wide) {
  if (flags & FORMAT_MESSAGE_FROM_STRING) {
    if ((flags & (FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM)) || !source)
      return fail(ERROR_INVALID_PARAMETER);
    return wide ? text::from_wide(static_cast<const WCHAR*>(source)) : text::from_ansi(static_cast<const char*>(source));
  }
  // A module's table is searched before the system's; of the modules only the built-in DLLs
  // carry tables here.
  HMODULE module = static_cast<HMODULE>(const_cast<void*>(source));
  bool from_module = (flags & FORMAT_MESSAGE_FROM_HMODULE) && modules::is_builtin(module);
  if (!from_module && !(flags & FORMAT_MESSAGE_FROM_SYSTEM))
    return fail(flags & FORMAT_MESSAGE_FROM_HMODULE ? ERROR_RESOURCE_TYPE_NOT_FOUND : ERROR_INVALID_PARAMETER);
  if (!speaks(language)) return fail(ERROR_MUI_FILE_NOT_FOUND);
  std::optional<std::u16string> text = from_module ? modules::message_of(module, id) : std::nullopt;
  if (!text && (flags & FORMAT_MESSAGE_FROM_SYSTEM)) text = messages::system_text(id);
  if (!text) return fail(ERROR_MR_MID_NOT_FOUND);
  return text;
}

// The text in the caller's width: windows-1252 bytes or UTF-16 units.
template <class Unit>
std::basic_string<Unit> in_width(const std::u16string& message) {
  if constexpr (sizeof(Unit) == 1)
    return text::to_ansi(message);
  else
    return message;
}

// nSize counts characters: the least to allocate, or the room in the caller's buffer.
template <class Unit>
DWORD deliver(const std::u16string& message, DWORD flags, Unit* buffer, DWORD size) {
  std::basic_string<Unit> out = in_width<Unit>(message);
  if (!buffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Unit* target = buffer;
  if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    size_t units = std::max<size_t>(size, out.size() + 1);
    target = static_cast<Unit*>(LocalAlloc(LMEM_FIXED, units * sizeof(Unit)));
    if (!target) return 0;
    *reinterpret_cast<Unit**>(buffer) = target;
  } else if (out.size() + 1 > size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(target, out.c_str(), (out.size() + 1) * sizeof(Unit));
  return DWORD(out.size());
}

template <class Unit>
DWORD format_message(DWORD flags, LPCVOID source, DWORD id, DWORD language, Unit* buffer, DWORD size, va_list* args) {
  constexpr bool wide = sizeof(Unit) == 2;
  std::optional<std::u16string> text = definition(flags, source, id, language, wide);
  if (!text) return 0;
  messages::Layout layout;
  layout.ignore_inserts = flags & FORMAT_MESSAGE_IGNORE_INSERTS;
  layout.join_lines = flags & FORMAT_MESSAGE_MAX_WIDTH_MASK;
  layout.wide = wide;
  messages::InsertValues values = flags & FORMAT_MESSAGE_ARGUMENT_ARRAY
                                      ? messages::InsertValues(reinterpret_cast<const DWORD_PTR*>(args))
                                      : messages::InsertValues(args);
  std::u16string message;
  if (!messages::expand(*text, layout, values, &message)) return 0;
  return deliver(message, flags, buffer, size);
}

}  // namespace

extern "C" {

DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId, LPSTR lpBuffer,
                            DWORD nSize, va_list* Arguments) {
  return format_message(dwFlags, lpSource, dwMessageId, dwLanguageId, lpBuffer, nSize, Arguments);
}

DWORD WINAPI FormatMessageW(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId, LPWSTR lpBuffer,
                            DWORD nSize, va_list* Arguments) {
  return format_message(dwFlags, lpSource, dwMessageId, dwLanguageId, reinterpret_cast<char16_t*>(lpBuffer), nSize,
                        Arguments);
}

}  // extern "C"
