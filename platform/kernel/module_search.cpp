#include "kernel/module_search.h"

#include <vector>

#include "kernel/paths.h"
#include "kernel/process_identity.h"

namespace platform::module_search {
namespace {

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string folder_of(const std::u16string& path) {
  size_t slash = path.rfind(u'\\');
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

std::optional<Module> existing(const std::u16string& windows) {
  std::u16string full = paths::full(windows);
  std::optional<std::filesystem::path> host = paths::to_host(full);
  std::error_code ec;
  if (!host || !std::filesystem::is_regular_file(*host, ec)) return std::nullopt;
  std::u16string found = paths::to_windows(*host);
  return Module{found.empty() ? full : found, *host};
}

// ".exe" for a name without an extension; a name ending in "." means the name without it.
std::u16string with_extension(std::u16string name) {
  size_t start = name.find_last_of(u"\\/:");
  std::u16string_view file = std::u16string_view(name).substr(start == std::u16string::npos ? 0 : start + 1);
  if (!file.empty() && file.back() == u'.') {
    name.pop_back();
    return name;
  }
  return file.find(u'.') == std::u16string_view::npos ? name + u".exe" : name;
}

std::optional<Module> search(std::u16string_view token) {
  if (token.empty()) return std::nullopt;
  std::u16string name = with_extension(std::u16string(token));
  if (name.find_first_of(u"\\/:") != std::u16string::npos) return existing(name);
  const std::u16string folders[] = {folder_of(process::image_path()), paths::current_directory(),
                                    u"C:\\Windows\\System32", u"C:\\Windows"};
  for (const std::u16string& folder : folders) {
    if (folder.empty()) continue;
    if (auto found = existing(folder + (folder.back() == u'\\' ? u"" : u"\\") + name)) return found;
  }
  return std::nullopt;
}

std::vector<std::u16string_view> candidates(std::u16string_view line) {
  if (!line.empty() && line[0] == u'"') {
    size_t close = line.find(u'"', 1);
    return {line.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1)};
  }
  std::vector<std::u16string_view> names;
  for (size_t i = 0; i <= line.size(); ++i)
    if (i == line.size() || blank(line[i]))
      if (i > 0 && !blank(line[i - 1])) names.push_back(line.substr(0, i));
  return names;
}

}  // namespace

std::optional<Module> find(std::u16string_view application_name, std::u16string_view command_line) {
  std::optional<Module> found;
  if (!application_name.empty()) {
    found = existing(std::u16string(application_name));
  } else {
    for (std::u16string_view name : candidates(command_line))
      if ((found = search(name))) break;
  }
  if (!found) SetLastError(ERROR_FILE_NOT_FOUND);
  return found;
}

}  // namespace platform::module_search
