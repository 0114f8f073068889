#include "kernel/process_identity.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

#include "kernel/command_line.h"
#include "kernel/machine.h"
#include "kernel/paths.h"
#include "kernel/text.h"

namespace platform::process {
namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

const std::u16string& image_path() {
  static const std::u16string& image = *new std::u16string([] {
    std::string given = env("WINSIM_IMAGE");
    if (!given.empty()) return text::utf16(given);
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    // Without a machine yet (a test before it attaches one) the file lies in none.
    bool in_machine = machine::attached() || std::getenv("WINSIM_ROOT");
    std::u16string windows = ec || !in_machine ? std::u16string() : paths::to_windows(exe);
    if (!windows.empty()) return windows;
    return u"C:\\Tarvolt\\" + text::utf16(exe.filename().string());
  }());  // never destroyed: threads may still ask while the program ends
  return image;
}

const std::u16string& command_line() {
  static const std::u16string& line = *new std::u16string([] {
    std::string given = env("WINSIM_CMDLINE");
    if (!given.empty() || std::getenv("WINSIM_CMDLINE")) return text::utf16(given);
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::u16string> args{image_path()};
    for (size_t start = raw.find('\0'); start != std::string::npos && start + 1 < raw.size();) {
      size_t end = raw.find('\0', start + 1);
      if (end == std::string::npos) end = raw.size();
      args.push_back(text::utf16(raw.substr(start + 1, end - start - 1)));
      start = end;
    }
    return platform::command_line::join(args);
  }());
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

}  // namespace platform::process
