#include "kernel/child_environment.h"

#include <strings.h>
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

// What Windows puts in every user's environment. A creator started from Linux has none of it, so
// an inherited environment gets what it lacks; a block the creator gives is taken as it is.
const char* const kMachineVariables[] = {"COMSPEC=C:\\Windows\\System32\\cmd.exe"};

bool has_variable(const std::vector<std::string>& entries, std::string_view name) {
  for (const std::string& entry : entries)
    if (entry.size() > name.size() && strncasecmp(entry.c_str(), name.data(), name.size()) == 0 &&
        entry[name.size()] == '=')
      return true;
  return false;
}

std::vector<std::string> own_entries() {
  std::vector<std::string> entries;
  for (char** e = environ; *e; ++e) entries.emplace_back(*e);
  for (std::string_view variable : kMachineVariables) {
    std::string_view name = variable.substr(0, variable.find('='));
    if (!has_variable(entries, name)) entries.emplace_back(variable);
  }
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
