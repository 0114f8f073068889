#include "kernel/child_environment.h"

#include <unistd.h>

#include "kernel/creator_protocol.h"
#include "kernel/text.h"

namespace platform {
namespace {

std::vector<std::string> block_entries(const void* block, bool unicode) {
  std::vector<std::string> entries;
  if (unicode) {
    for (auto* p = static_cast<const char16_t*>(block); *p;) {
      std::u16string_view entry(p);
      entries.push_back(text::utf8(entry));
      p += entry.size() + 1;
    }
  } else {
    for (auto* p = static_cast<const char*>(block); *p;) {
      std::string_view entry(p);
      entries.push_back(text::utf8(text::from_ansi(entry)));
      p += entry.size() + 1;
    }
  }
  return entries;
}

std::vector<std::string> own_entries() {
  std::vector<std::string> entries;
  for (char** e = environ; *e; ++e) entries.emplace_back(*e);
  return entries;
}

}  // namespace

std::vector<std::string> child_environment(const void* block, bool unicode, std::vector<std::string> protocol) {
  std::vector<std::string> env;
  for (std::string& entry : block ? block_entries(block, unicode) : own_entries()) {
    size_t equals = entry.find('=');
    // Windows keeps per-drive directories as "=C:=C:\..."; they mean nothing to a Linux process.
    if (equals == 0 || equals == std::string::npos || creator::is_protocol_variable(entry.substr(0, equals)))
      continue;
    env.push_back(std::move(entry));
  }
  for (std::string& entry : protocol) env.push_back(std::move(entry));
  return env;
}

}  // namespace platform
