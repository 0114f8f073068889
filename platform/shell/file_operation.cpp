// SHFileOperation: copy, move, delete and rename of the double-NUL lists, without dialogs (the
// machine has no one to answer them), so confirmations are taken as given. Unless FOF_SILENT, a
// progress window shows while the items are handled.
#include <shellapi.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "kernel/paths.h"
#include "kernel/text.h"
#include "shell/progress_window.h"

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

// What the caller asked for, in 16-bit characters.
struct Request {
  HWND owner = nullptr;
  UINT func = 0;
  std::u16string from, to;
  FILEOP_FLAGS flags = 0;
  std::optional<std::u16string> title;
};

// The shell's own title of the progress window, for callers that give none.
std::u16string default_title(UINT func) {
  switch (func) {
    case FO_MOVE: return u"Moving...";
    case FO_COPY: return u"Copying...";
    case FO_DELETE: return u"Deleting...";
    default: return u"Renaming...";
  }
}

// Runs the items of an operation one by one, each shown in the progress window when there is one.
class Progress {
 public:
  Progress(const Request& request, size_t items) {
    if (request.flags & FOF_SILENT) return;
    bool simple = request.flags & FOF_SIMPLEPROGRESS;
    std::u16string title = simple && request.title ? *request.title : default_title(request.func);
    window_ = std::make_unique<platform::shell::ProgressWindow>(request.owner, title, !simple, items);
  }

  DWORD run(const std::u16string& name, const std::function<DWORD()>& work) {
    if (window_) window_->begin_item(name);
    DWORD error = work();
    if (window_ && !error) window_->end_item();
    return error;
  }

 private:
  std::unique_ptr<platform::shell::ProgressWindow> window_;
};

int transfer(const Request& request, const std::vector<std::u16string>& sources, bool wildcards) {
  UINT func = request.func;
  std::vector<std::u16string> targets = list_of(request.to);
  bool multiple_targets = request.flags & FOF_MULTIDESTFILES;
  if (targets.empty()) return ERROR_INVALID_PARAMETER;
  Progress progress(request, sources.size());
  for (size_t i = 0; i < sources.size(); ++i) {
    std::u16string target = multiple_targets ? targets[std::min(i, targets.size() - 1)] : targets[0];
    bool into_folder = !multiple_targets && (is_folder(target) || sources.size() > 1 || wildcards);
    if (into_folder) {
      if (!is_folder(target) && !CreateDirectoryW(wide(target), nullptr)) return GetLastError();
      target += u"\\" + leaf(sources[i]);
    }
    if (platform::text::iequals(target, sources[i])) return kSameFile;
    DWORD error = progress.run(sources[i], [&] {
      return func == FO_COPY ? copy_tree(sources[i], target) : move_tree(sources[i], target);
    });
    if (error) return error;
  }
  return 0;
}

// A rename's new name without a folder stays in the source's folder.
std::optional<std::u16string> rename_target(const std::u16string& source, const std::u16string& to) {
  std::u16string name = to.substr(0, to.find(u'\0'));
  if (name.empty()) return std::nullopt;
  return name.find_first_of(u"\\/:") == std::u16string::npos ? parent(source) + u"\\" + name
                                                               : platform::paths::full(name);
}

int operate(const Request& request) {
  UINT func = request.func;
  if (func < FO_MOVE || func > FO_RENAME) return ERROR_INVALID_PARAMETER;
  std::vector<std::u16string> sources;
  bool wildcards = false;
  for (const auto& source : list_of(request.from)) {
    wildcards |= leaf(source).find_first_of(u"*?") != std::u16string::npos;
    std::vector<std::u16string> names = expand(source);
    if (names.empty() && !wildcards) return ERROR_FILE_NOT_FOUND;
    if ((request.flags & FOF_FILESONLY) && wildcards)
      std::erase_if(names, [](const std::u16string& name) { return is_folder(name); });
    sources.insert(sources.end(), names.begin(), names.end());
  }
  if (sources.empty()) return wildcards ? 0 : ERROR_FILE_NOT_FOUND;
  if (func == FO_DELETE) {
    Progress progress(request, sources.size());
    for (const auto& source : sources)
      if (DWORD error = progress.run(source, [&] { return remove_tree(source); })) return error;
    return 0;
  }
  if (func == FO_RENAME) {
    std::optional<std::u16string> target = sources.size() == 1 ? rename_target(sources[0], request.to) : std::nullopt;
    if (!target) return ERROR_INVALID_PARAMETER;
    if (platform::text::iequals(*target, sources[0])) return kSameFile;
    // An existing file of the new name stays: a rename never replaces one.
    return Progress(request, 1).run(sources[0], [&] {
      return MoveFileExW(wide(sources[0]), wide(*target), 0) ? 0 : GetLastError();
    });
  }
  return transfer(request, sources, wildcards);
}

template <typename Op, typename C>
int run_request(Op* op, std::u16string (*convert)(const C*, size_t)) {
  if (!op || !op->pFrom) return ERROR_INVALID_PARAMETER;
  op->fAnyOperationsAborted = FALSE;
  Request request;
  request.owner = op->hwnd;
  request.func = op->wFunc;
  request.from = double_null(op->pFrom, convert);
  request.to = double_null(op->pTo, convert);
  request.flags = op->fFlags;
  if (op->lpszProgressTitle) {
    const C* title = op->lpszProgressTitle;
    size_t n = 0;
    while (title[n]) ++n;
    request.title = convert(title, n);
  }
  return operate(request);
}

}  // namespace

extern "C" {

int WINAPI SHFileOperationW(LPSHFILEOPSTRUCTW op) { return run_request(op, from_wide_n); }

int WINAPI SHFileOperationA(LPSHFILEOPSTRUCTA op) { return run_request(op, from_ansi_n); }

}  // extern "C"

static_assert(sizeof(SHFILEOPSTRUCTW) == 56 && sizeof(SHFILEOPSTRUCTA) == 56);
