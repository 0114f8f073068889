#include "user/clipboard_formats.h"

#include <algorithm>
#include <cstring>

#include "kernel/text.h"

namespace platform::user::clipboard {
namespace {

constexpr UINT kTextFormats[] = {CF_UNICODETEXT, CF_TEXT, CF_OEMTEXT};

bool is_text_format(UINT format) { return std::count(std::begin(kTextFormats), std::end(kTextFormats), format) > 0; }

std::string_view up_to_nul(const std::string& bytes) { return std::string_view(bytes.c_str()); }

// The machine has no table of its OEM code page: its ASCII half is exact, the rest stands as '?'.
std::u16string from_oem(std::string_view oem) {
  std::u16string out;
  for (unsigned char c : oem) out += c < 0x80 ? char16_t(c) : u'?';
  return out;
}

std::string to_oem(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? char(c) : '?';
  return out;
}

std::u16string text_of(const std::string& bytes, UINT format) {
  switch (format) {
    case CF_UNICODETEXT: return unicode_text(bytes);
    case CF_TEXT: return text::from_ansi(up_to_nul(bytes));
    default: return from_oem(up_to_nul(bytes));
  }
}

std::string bytes_of(std::u16string_view text, UINT format) {
  switch (format) {
    case CF_UNICODETEXT: return unicode_bytes(text);
    case CF_TEXT: return text::to_ansi(text) + '\0';
    default: return to_oem(text) + '\0';
  }
}

}  // namespace

std::string unicode_bytes(std::u16string_view text) {
  std::string out(text.size() * 2 + 2, '\0');
  std::memcpy(out.data(), text.data(), text.size() * 2);
  return out;
}

std::u16string unicode_text(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  std::memcpy(out.data(), bytes.data(), out.size() * 2);
  return out.substr(0, out.find(u'\0'));
}

std::optional<std::string> render(const Contents& stored, UINT format) {
  if (auto it = stored.find(format); it != stored.end()) return it->second;
  if (!is_text_format(format)) return std::nullopt;
  for (UINT source : kTextFormats)
    if (auto it = stored.find(source); it != stored.end()) return bytes_of(text_of(it->second, source), format);
  return std::nullopt;
}

std::vector<UINT> available(const Contents& stored) {
  std::vector<UINT> out;
  bool has_text = false;
  for (const auto& [format, bytes] : stored) {
    out.push_back(format);
    has_text = has_text || is_text_format(format);
  }
  if (has_text)
    for (UINT format : kTextFormats)
      if (!stored.count(format)) out.push_back(format);
  return out;
}

}  // namespace platform::user::clipboard
