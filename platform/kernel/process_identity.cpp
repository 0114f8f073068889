#include "kernel/process_identity.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>

#include "kernel/paths.h"
#include "kernel/text.h"

namespace winsim::process {
namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// Quotes one Linux argument so that the Windows rules split it back the same way.
std::u16string quote(const std::u16string& arg) {
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
  return out + u"\"";
}

}  // namespace

const std::u16string& image_path() {
  static const std::u16string image = [] {
    std::string given = env("WINSIM_IMAGE");
    if (!given.empty()) return text::utf16(given);
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::u16string windows = ec ? std::u16string() : paths::to_windows(exe);
    if (!windows.empty()) return windows;
    return u"C:\\Tarvolt\\" + text::utf16(exe.filename().string());
  }();
  return image;
}

const std::u16string& command_line() {
  static const std::u16string line = [] {
    std::string given = env("WINSIM_CMDLINE");
    if (!given.empty() || std::getenv("WINSIM_CMDLINE")) return text::utf16(given);
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::u16string out;
    size_t start = 0;
    bool first = true;
    while (start < raw.size()) {
      size_t end = raw.find('\0', start);
      if (end == std::string::npos) end = raw.size();
      std::u16string arg = first ? image_path() : text::utf16(raw.substr(start, end - start));
      if (!first) out += u' ';
      out += quote(arg);
      first = false;
      start = end + 1;
    }
    return out;
  }();
  return line;
}

std::u16string initial_directory() {
  std::string given = env("WINSIM_CWD");
  if (!given.empty()) return text::utf16(given);
  const std::u16string& image = image_path();
  size_t slash = image.rfind(u'\\');
  if (slash == std::u16string::npos) return u"C:\\";
  return slash <= 2 ? image.substr(0, 3) : image.substr(0, slash);
}

}  // namespace winsim::process
