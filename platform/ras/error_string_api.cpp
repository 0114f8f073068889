// RasGetErrorString: the text of a RAS error code.
#include <ras.h>
#include <raserror.h>

#include <string>

#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "ras/error_texts.h"

namespace {

template <class Unit>
DWORD copy_text(UINT code, Unit* buffer, DWORD size, std::basic_string<Unit> (*convert)(const char*)) {
  const char* text = platform::ras::error_text(code);
  if (!text || !buffer) return ERROR_INVALID_PARAMETER;
  std::basic_string<Unit> converted = convert(text);
  if (size <= converted.size()) return ERROR_INSUFFICIENT_BUFFER;
  platform::out::truncated<Unit>(converted, buffer, size);
  return ERROR_SUCCESS;
}

std::string as_ansi(const char* text) { return text; }
std::u16string as_wide(const char* text) { return platform::text::utf16(text); }

}  // namespace

extern "C" {

DWORD WINAPI RasGetErrorStringA(UINT ResourceId, LPSTR lpszString, DWORD InBufSize) {
  return copy_text<char>(ResourceId, lpszString, InBufSize, as_ansi);
}

DWORD WINAPI RasGetErrorStringW(UINT ResourceId, LPWSTR lpszString, DWORD InBufSize) {
  return copy_text<char16_t>(ResourceId, reinterpret_cast<char16_t*>(lpszString), InBufSize, as_wide);
}

}  // extern "C"
