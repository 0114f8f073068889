// The Windows side of path mapping: full path names and the process's current directory.
#include "kernel/paths.h"

#include <mutex>
#include <vector>

#include <windows.h>

#include "kernel/host_path.h"
#include "kernel/process_identity.h"
#include "kernel/text.h"

namespace platform::paths {
namespace {

bool is_drive_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool has_drive(std::u16string_view p) { return p.size() >= 2 && p[1] == u':' && is_drive_letter(p[0]); }

char16_t upper_drive(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

// "\\?\C:\x" and "\\?\UNC\server\share" name the same things as "C:\x" and "\\server\share".
std::u16string strip_long_prefix(std::u16string p) {
  if (p.rfind(u"\\\\?\\", 0) != 0) return p;
  p.erase(0, 4);
  if (p.size() >= 4 && text::iequals(p.substr(0, 4), u"UNC\\")) return u"\\\\" + p.substr(4);
  return p;
}

// Joins `rest` (relative, "\"-separated) to the full path `base`, removing "." and "..".
// The final component loses its trailing dots and blanks, as Windows names never end in them.
std::u16string combine(std::u16string_view base, std::u16string_view rest) {
  size_t prefix_end;  // the part ".." never climbs above: "C:" or "\\server\share"
  if (base.rfind(u"\\\\", 0) == 0) {
    size_t server_end = base.find(u'\\', 2);
    size_t share_end = server_end == std::u16string_view::npos ? base.size() : base.find(u'\\', server_end + 1);
    prefix_end = share_end == std::u16string_view::npos ? base.size() : share_end;
  } else {
    prefix_end = 2;
  }
  std::u16string prefix(base.substr(0, prefix_end));
  if (!prefix.empty() && has_drive(prefix)) prefix[0] = upper_drive(prefix[0]);

  std::vector<std::u16string> parts;
  auto add = [&](std::u16string_view text) {
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find(u'\\', start);
      if (end == std::u16string_view::npos) end = text.size();
      std::u16string_view part = text.substr(start, end - start);
      if (part == u"..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != u".") {
        parts.emplace_back(part);
      }
      start = end + 1;
    }
  };
  add(base.substr(prefix_end));
  add(rest);

  bool trailing_separator = !rest.empty() ? rest.back() == u'\\' : (!base.empty() && base.back() == u'\\');
  if (!parts.empty() && !trailing_separator) {
    std::u16string& last = parts.back();
    while (!last.empty() && (last.back() == u'.' || last.back() == u' ')) last.pop_back();
    if (last.empty()) parts.pop_back();
  }

  std::u16string out = prefix;
  for (const auto& part : parts) out += u'\\' + part;
  if (parts.empty() || trailing_separator) out += u'\\';
  return out;
}

struct CurrentDirectory {
  std::mutex lock;
  std::u16string path;
};

CurrentDirectory& cwd() {
  static CurrentDirectory* state = [] {
    auto* s = new CurrentDirectory;
    std::u16string start = process::initial_directory();
    for (auto& c : start)
      if (c == u'/') c = u'\\';
    s->path = has_drive(start) && start.size() >= 3 && start[2] == u'\\' ? combine(start, u"") : u"C:\\";
    if (s->path.size() > 3 && s->path.back() == u'\\') s->path.pop_back();
    return s;
  }();
  return *state;
}

}  // namespace

std::u16string full(std::u16string_view given) {
  std::u16string p(given);
  for (auto& c : p)
    if (c == u'/') c = u'\\';
  p = strip_long_prefix(std::move(p));

  if (p.rfind(u"\\\\", 0) == 0) return combine(p, u"");
  if (has_drive(p)) {
    if (p.size() >= 3 && p[2] == u'\\') return combine(p, u"");
    // "X:name" is relative to the current directory when that is on drive X.
    std::u16string current = current_directory();
    if (upper_drive(current[0]) == upper_drive(p[0])) return combine(current, p.substr(2));
    return combine(std::u16string(1, p[0]) + u":\\", p.substr(2));
  }
  std::u16string current = current_directory();
  if (!p.empty() && p[0] == u'\\') {
    std::u16string root = current.rfind(u"\\\\", 0) == 0 ? combine(current, u"") : current.substr(0, 2);
    if (root.size() > 2 && root.back() == u'\\') root.pop_back();
    return combine(root, p.substr(1));
  }
  return combine(current, p);
}

std::optional<std::filesystem::path> to_host(std::u16string_view path) {
  HostPath resolved = resolve(path);
  if (resolved.error) return std::nullopt;
  return resolved.host;
}

std::u16string current_directory() {
  CurrentDirectory& state = cwd();
  std::lock_guard g(state.lock);
  return state.path;
}

bool set_current_directory(std::u16string_view path) {
  if (path.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  std::u16string target = full(path);
  HostPath resolved = resolve(target);
  if (resolved.error) {
    SetLastError(resolved.error);
    return false;
  }
  if (!resolved.exists) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return false;
  }
  if (!resolved.directory) {
    SetLastError(ERROR_DIRECTORY);
    return false;
  }
  if (target.size() > 3 && target.back() == u'\\') target.pop_back();
  CurrentDirectory& state = cwd();
  std::lock_guard g(state.lock);
  state.path = std::move(target);
  return true;
}

}  // namespace platform::paths
