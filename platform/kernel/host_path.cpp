#include "kernel/host_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <optional>
#include <vector>

#include "kernel/machine.h"
#include "kernel/paths.h"
#include "kernel/text.h"

namespace platform::paths {
namespace {

enum class Kind { missing, file, directory };

Kind kind_of(const std::filesystem::path& p) {
  struct statx st;
  if (statx(AT_FDCWD, p.c_str(), 0, STATX_TYPE, &st) != 0) return Kind::missing;
  return S_ISDIR(st.stx_mode) ? Kind::directory : Kind::file;
}

// The on-disk name in `folder` that equals `name` without regard to case.
std::optional<std::string> find_entry(const std::filesystem::path& folder, std::u16string_view name) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (struct dirent64* entry = readdir64(dir)) {
    std::string entry_name = entry->d_name;
    if (entry_name == "." || entry_name == "..") continue;
    if (text::iequals(text::utf16(entry_name), name)) {
      found = std::move(entry_name);
      break;
    }
  }
  closedir(dir);
  return found;
}

bool valid_component(std::u16string_view part, bool wildcards) {
  for (char16_t c : part) {
    if (c < 32 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|') return false;
    if (!wildcards && (c == u'*' || c == u'?')) return false;
  }
  return true;
}

}  // namespace

std::filesystem::path drive_folder(char16_t letter) {
  if (letter >= u'a' && letter <= u'z') letter = char16_t(letter - 32);
  if (letter < u'A' || letter > u'Z') return {};
  if (letter == u'C') return machine::drive_c();
  std::filesystem::path folder = machine::root() / (std::string("drive_") + char(letter - u'A' + 'a'));
  return kind_of(folder) == Kind::directory ? folder : std::filesystem::path();
}

HostPath resolve(std::u16string_view path, bool wildcards_in_name) {
  HostPath out;
  if (path.empty()) {
    out.error = ERROR_PATH_NOT_FOUND;
    return out;
  }
  out.windows = full(path);
  const std::u16string& w = out.windows;
  if (w.rfind(u"\\\\", 0) == 0) {
    out.error = ERROR_BAD_NETPATH;
    return out;
  }
  std::filesystem::path current = drive_folder(w[0]);
  if (current.empty()) {
    out.error = ERROR_PATH_NOT_FOUND;
    return out;
  }

  std::vector<std::u16string_view> parts;
  for (size_t start = 3; start < w.size();) {
    size_t end = w.find(u'\\', start);
    if (end == std::u16string::npos) end = w.size();
    if (end > start) parts.push_back(std::u16string_view(w).substr(start, end - start));
    start = end + 1;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    bool last = i + 1 == parts.size();
    if (!valid_component(parts[i], last && wildcards_in_name)) {
      out.error = ERROR_INVALID_NAME;
      return out;
    }
    std::string name = text::utf8(parts[i]);
    Kind kind = kind_of(current / name);
    if (kind == Kind::missing) {
      if (auto found = find_entry(current, parts[i])) {
        name = *found;
        kind = kind_of(current / name);
      }
    }
    current /= name;
    if (last) {
      out.exists = kind != Kind::missing;
      out.directory = kind == Kind::directory;
    } else if (kind != Kind::directory) {
      out.error = ERROR_PATH_NOT_FOUND;
      return out;
    }
  }
  if (parts.empty()) out.exists = out.directory = true;  // a drive's root
  out.host = std::move(current);
  return out;
}

std::u16string to_windows(const std::filesystem::path& host) {
  auto inside = [](const std::filesystem::path& p, const std::filesystem::path& root) -> std::u16string {
    std::filesystem::path rel = p.lexically_normal().lexically_relative(root.lexically_normal());
    auto it = rel.begin();
    if (rel.empty() || it == rel.end()) return {};
    std::string drive = it->string();
    if (drive.size() != 7 || drive.rfind("drive_", 0) != 0 || drive[6] < 'a' || drive[6] > 'z') return {};
    std::u16string out = {char16_t(drive[6] - 'a' + 'A'), u':'};
    for (++it; it != rel.end(); ++it) {
      if (it->empty() || *it == ".") continue;
      out += u'\\' + text::utf16(it->string());
    }
    return out.size() == 2 ? out + u'\\' : out;
  };
  std::filesystem::path absolute = std::filesystem::absolute(host);
  std::u16string direct = inside(absolute, machine::root());
  if (!direct.empty()) return direct;
  std::error_code ec;
  std::filesystem::path real_root = std::filesystem::weakly_canonical(machine::root(), ec);
  if (ec) return {};
  std::filesystem::path real_host = std::filesystem::weakly_canonical(absolute, ec);
  return ec ? std::u16string() : inside(real_host, real_root);
}

}  // namespace platform::paths
