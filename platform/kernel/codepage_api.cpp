// MultiByteToWideChar and WideCharToMultiByte for the machine's code pages: windows-1252 (the
// ANSI code page) and UTF-8, with the size-query protocol of both functions.
#include <cstring>
#include <optional>
#include <string>

#include <windows.h>

#include "kernel/text.h"

namespace {

using namespace platform;

constexpr char16_t kReplacement = 0xFFFD;

enum class CodePage { ansi, utf8 };

std::optional<CodePage> code_page(UINT cp) {
  if (cp == CP_ACP || cp == CP_THREAD_ACP || cp == 1252) return CodePage::ansi;
  if (cp == CP_UTF8) return CodePage::utf8;
  return std::nullopt;  // CP_OEMCP (850) among them: no table for it here
}

int fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// UTF-8 with U+FFFD for each maximal invalid subsequence, or nothing when `strict`.
std::optional<std::u16string> decode_utf8(std::string_view s, bool strict) {
  std::u16string out;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = s[i];
    if (b < 0x80) {
      out += char16_t(b);
      ++i;
      continue;
    }
    int need = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      need = 1, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      need = 2, cp = b & 0x0F;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      need = 3, cp = b & 0x07;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    }
    size_t j = i + 1;
    int got = 0;
    while (need && got < need && j < s.size()) {
      unsigned char c = s[j];
      if (c < (got == 0 ? lo : 0x80) || c > (got == 0 ? hi : 0xBF)) break;
      cp = (cp << 6) | (c & 0x3F);
      ++j, ++got;
    }
    if (!need || got < need) {
      if (strict) return std::nullopt;
      out += kReplacement;
      i = j;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += char16_t(0xD800 + (cp >> 10));
      out += char16_t(0xDC00 + (cp & 0x3FF));
    } else {
      out += char16_t(cp);
    }
    i = j;
  }
  return out;
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, or fails the conversion when `strict`.
std::optional<std::string> encode_utf8(std::u16string_view s, bool strict) {
  std::u16string checked;
  checked.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    bool high = c >= 0xD800 && c <= 0xDBFF, low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      checked += c;
      checked += s[++i];
    } else if (high || low) {
      if (strict) return std::nullopt;
      checked += kReplacement;
    } else {
      checked += c;
    }
  }
  return text::utf8(checked);
}

std::string encode_ansi(std::u16string_view s, const char* default_char, bool* used_default) {
  if (!default_char) return text::to_ansi(s, used_default);
  std::string out;
  *used_default = false;
  for (char16_t c : s) {
    bool unmapped = false;
    std::string byte = text::to_ansi(std::u16string_view(&c, 1), &unmapped);
    out += unmapped ? *default_char : byte[0];
    *used_default |= unmapped;
  }
  return out;
}

template <class Unit>
int deliver(const std::basic_string<Unit>& result, Unit* buffer, int size) {
  if (size == 0) return int(result.size());
  if (result.size() > size_t(size)) return fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(buffer, result.data(), result.size() * sizeof(Unit));
  return int(result.size());
}

}  // namespace

extern "C" {

UINT WINAPI GetACP(void) { return 1252; }
UINT WINAPI GetOEMCP(void) { return 850; }

int WINAPI MultiByteToWideChar(UINT cp, DWORD flags, LPCSTR source, int source_size, LPWSTR buffer, int size) {
  if (!source || source_size == 0 || source_size < -1 || size < 0 || (!buffer && size) ||
      static_cast<const void*>(source) == static_cast<const void*>(buffer))
    return fail(ERROR_INVALID_PARAMETER);
  auto page = code_page(cp);
  if (!page) return fail(ERROR_INVALID_PARAMETER);
  DWORD allowed = *page == CodePage::utf8 ? MB_ERR_INVALID_CHARS : MB_PRECOMPOSED | MB_ERR_INVALID_CHARS;
  if (flags & ~allowed) return fail(ERROR_INVALID_FLAGS);
  size_t length = source_size == -1 ? std::strlen(source) + 1 : size_t(source_size);
  std::string_view bytes(source, length);
  std::u16string result;
  if (*page == CodePage::utf8) {
    auto decoded = decode_utf8(bytes, flags & MB_ERR_INVALID_CHARS);
    if (!decoded) return fail(ERROR_NO_UNICODE_TRANSLATION);
    result = std::move(*decoded);
  } else {
    result = text::from_ansi(bytes);  // every byte of 1252 maps to a character
  }
  return deliver<char16_t>(result, reinterpret_cast<char16_t*>(buffer), size);
}

int WINAPI WideCharToMultiByte(UINT cp, DWORD flags, LPCWSTR source, int source_size, LPSTR buffer, int size,
                               LPCSTR default_char, LPBOOL used_default_char) {
  if (!source || source_size == 0 || source_size < -1 || size < 0 || (!buffer && size) ||
      static_cast<const void*>(source) == static_cast<const void*>(buffer))
    return fail(ERROR_INVALID_PARAMETER);
  auto page = code_page(cp);
  if (!page) return fail(ERROR_INVALID_PARAMETER);
  std::u16string wide = source_size == -1 ? text::from_wide(source) + u'\0' : text::from_wide(source, source_size);
  std::string result;
  if (*page == CodePage::utf8) {
    if (flags & ~DWORD(WC_ERR_INVALID_CHARS)) return fail(ERROR_INVALID_FLAGS);
    if (default_char || used_default_char) return fail(ERROR_INVALID_PARAMETER);
    auto encoded = encode_utf8(wide, flags & WC_ERR_INVALID_CHARS);
    if (!encoded) return fail(ERROR_NO_UNICODE_TRANSLATION);
    result = std::move(*encoded);
  } else {
    if (flags & ~DWORD(WC_COMPOSITECHECK | WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_NO_BEST_FIT_CHARS))
      return fail(ERROR_INVALID_FLAGS);
    // Characters outside 1252 become the default character (no best-fit mapping).
    bool used = false;
    result = encode_ansi(wide, default_char, &used);
    if (used_default_char) *used_default_char = used;
  }
  return deliver<char>(result, buffer, size);
}

}  // extern "C"
