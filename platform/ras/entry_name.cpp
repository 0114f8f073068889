#include "ras/entry_name.h"

#include <ras.h>

#include <algorithm>

namespace platform::ras {
namespace {

bool alphanumeric(char16_t c) {
  // Letters of every script count; only ASCII needs telling apart from punctuation.
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c >= 0xC0;
}

bool forbidden(char16_t c) { return c < 0x20 || c == 0x7F || std::u16string_view(u"|><?*\\/:").find(c) != std::u16string_view::npos; }

}  // namespace

bool valid_entry_name(std::u16string_view name) {
  if (name.empty() || name.size() > RAS_MaxEntryName || name.front() == u'.') return false;
  if (std::any_of(name.begin(), name.end(), forbidden)) return false;
  return std::any_of(name.begin(), name.end(), alphanumeric);
}

}  // namespace platform::ras
