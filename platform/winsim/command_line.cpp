#include "command_line.h"

namespace winsim::tool {
namespace {

std::u16string quoted(const std::u16string& arg) {
  if (!arg.empty() && arg.find_first_of(u" \t\"") == std::u16string::npos) return arg;
  std::u16string out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, u'\\');
  return out + u'"';
}

}  // namespace

std::u16string join_command_line(const std::vector<std::u16string>& args) {
  std::u16string line;
  for (const auto& arg : args) {
    if (!line.empty()) line += u' ';
    line += quoted(arg);
  }
  return line;
}

}  // namespace winsim::tool
