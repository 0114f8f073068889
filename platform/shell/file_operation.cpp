// SHFileOperation: copy, move, delete and rename of the double-NUL lists, without dialogs (the
// machine has no one to answer them), so confirmations are taken as given.
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "kernel/paths.h"
#include "kernel/text.h"

namespace {

using platform::text::wide;
constexpr int kSameFile = 0x71;  // DE_SAMEFILE

std::vector<std::u16string> list_of(const std::u16string& joined) {
  std::vector<std::u16string> out;
  for (size_t at = 0; at < joined.size() && joined[at];) {
    size_t end = joined.find(u'\0', at);
    out.push_back(platform::paths::full(joined.substr(at, end - at)));
    at = end + 1;
  }
  return out;
}

template <typename C>
std::u16string double_null(const C* list, std::u16string (*convert)(const C*, size_t)) {
  if (!list) return {};
  size_t n = 0;
  while (list[n] || list[n + 1]) ++n;
  return convert(list, n + 1);
}

std::u16string from_wide_n(const WCHAR* s, size_t n) { return platform::text::from_wide(s, n); }
std::u16string from_ansi_n(const char* s, size_t n) { return platform::text::from_ansi(std::string_view(s, n)); }

DWORD attributes(const std::u16string& path) { return GetFileAttributesW(wide(path)); }
bool is_folder(const std::u16string& path) {
  DWORD a = attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
std::u16string parent(const std::u16string& path) { return path.substr(0, path.find_last_of(u'\\')); }
std::u16string leaf(const std::u16string& path) { return path.substr(path.find_last_of(u'\\') + 1); }

// The names a source stands for: a wildcard in its last part matches, other names must exist.
std::vector<std::u16string> expand(const std::u16string& source) {
  std::vector<std::u16string> out;
  if (leaf(source).find_first_of(u"*?") == std::u16string::npos) {
    if (attributes(source) != INVALID_FILE_ATTRIBUTES) out.push_back(source);
    return out;
  }
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(wide(source), &found);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    std::u16string name = platform::text::from_wide(found.cFileName);
    if (name != u"." && name != u"..") out.push_back(parent(source) + u"\\" + name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return out;
}

std::vector<std::u16string> children(const std::u16string& folder) { return expand(folder + u"\\*"); }

DWORD remove_tree(const std::u16string& path) {
  if (!is_folder(path)) return DeleteFileW(wide(path)) ? 0 : GetLastError();
  for (const auto& child : children(path))
    if (DWORD error = remove_tree(child)) return error;
  return RemoveDirectoryW(wide(path)) ? 0 : GetLastError();
}

DWORD copy_tree(const std::u16string& from, const std::u16string& to) {
  if (!is_folder(from)) return CopyFileW(wide(from), wide(to), FALSE) ? 0 : GetLastError();
  if (!is_folder(to) && !CreateDirectoryW(wide(to), nullptr)) return GetLastError();
  for (const auto& child : children(from))
    if (DWORD error = copy_tree(child, to + u"\\" + leaf(child))) return error;
  return 0;
}

DWORD move_tree(const std::u16string& from, const std::u16string& to) {
  if (is_folder(to) && is_folder(from)) {
    if (DWORD error = copy_tree(from, to)) return error;
    return remove_tree(from);
  }
  if (MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) return 0;
  if (!is_folder(from)) return GetLastError();
  if (DWORD error = copy_tree(from, to)) return error;
  return remove_tree(from);
}

int transfer(UINT func, const std::vector<std::u16string>& sources, const std::vector<std::u16string>& targets,
             bool multiple_targets, bool wildcards) {
  if (targets.empty()) return ERROR_INVALID_PARAMETER;
  for (size_t i = 0; i < sources.size(); ++i) {
    std::u16string target = multiple_targets ? targets[std::min(i, targets.size() - 1)] : targets[0];
    bool into_folder = !multiple_targets && (is_folder(target) || sources.size() > 1 || wildcards);
    if (into_folder) {
      if (!is_folder(target) && !CreateDirectoryW(wide(target), nullptr)) return GetLastError();
      target += u"\\" + leaf(sources[i]);
    }
    if (platform::text::iequals(target, sources[i])) return kSameFile;
    DWORD error = func == FO_COPY ? copy_tree(sources[i], target) : move_tree(sources[i], target);
    if (error) return error;
  }
  return 0;
}

int operate(UINT func, const std::u16string& from, const std::u16string& to, FILEOP_FLAGS flags) {
  if (func < FO_MOVE || func > FO_RENAME) return ERROR_INVALID_PARAMETER;
  std::vector<std::u16string> sources;
  bool wildcards = false;
  for (const auto& source : list_of(from)) {
    wildcards |= leaf(source).find_first_of(u"*?") != std::u16string::npos;
    std::vector<std::u16string> names = expand(source);
    if (names.empty() && !wildcards) return ERROR_FILE_NOT_FOUND;
    if ((flags & FOF_FILESONLY) && wildcards)
      std::erase_if(names, [](const std::u16string& name) { return is_folder(name); });
    sources.insert(sources.end(), names.begin(), names.end());
  }
  if (sources.empty()) return wildcards ? 0 : ERROR_FILE_NOT_FOUND;
  if (func == FO_DELETE) {
    for (const auto& source : sources)
      if (DWORD error = remove_tree(source)) return error;
    return 0;
  }
  // A rename's new name without a folder stays in the source's folder.
  if (func == FO_RENAME) {
    std::u16string name = to.substr(0, to.find(u'\0'));
    if (sources.size() != 1 || name.empty()) return ERROR_INVALID_PARAMETER;
    std::u16string target = name.find_first_of(u"\\/:") == std::u16string::npos
                                ? parent(sources[0]) + u"\\" + name
                                : platform::paths::full(name);
    if (platform::text::iequals(target, sources[0])) return kSameFile;
    return MoveFileExW(wide(sources[0]), wide(target), 0) ? 0 : static_cast<int>(GetLastError());
  }
  return transfer(func, sources, list_of(to), (flags & FOF_MULTIDESTFILES) != 0, wildcards);
}

}  // namespace

extern "C" {

int WINAPI SHFileOperationW(LPSHFILEOPSTRUCTW op) {
  if (!op || !op->pFrom) return ERROR_INVALID_PARAMETER;
  op->fAnyOperationsAborted = FALSE;
  return operate(op->wFunc, double_null(op->pFrom, from_wide_n), double_null(op->pTo, from_wide_n), op->fFlags);
}

int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA op) {
  if (!op || !op->pFrom) return ERROR_INVALID_PARAMETER;
  op->fAnyOperationsAborted = FALSE;
  return operate(op->wFunc, double_null(op->pFrom, from_ansi_n), double_null(op->pTo, from_ansi_n), op->fFlags);
}

}  // extern "C"

static_assert(sizeof(SHFILEOPSTRUCTW) == 56 && sizeof(SHFILEOPSTRUCTA) == 56);
