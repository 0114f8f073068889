// ShellExecute and ShellExecuteEx: the verb "open" (or none) on a program or a batch file, or on
// a web address, which the default browser would show. A hidden window is a child without
// console.
#include <shellapi.h>

#include <optional>
#include <vector>

#include "kernel/paths.h"
#include "kernel/text.h"
#include "shell/opened_targets.h"

namespace {

using platform::text::iequals;

constexpr int kStarted = 42;  // any value above 32 means started
constexpr DWORD kNoAssociation = 1155;  // ERROR_NO_ASSOCIATION

bool has_folder(std::u16string_view name) { return name.find_first_of(u"\\/:") != std::u16string_view::npos; }

// "C:\x" or "\x": not taken against the working folder.
bool rooted(std::u16string_view name) {
  return (name.size() >= 2 && name[1] == u':') || (!name.empty() && (name[0] == u'\\' || name[0] == u'/'));
}

std::u16string extension(std::u16string_view name) {
  size_t dot = name.rfind(u'.');
  size_t slash = name.find_last_of(u"\\/");
  if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && dot < slash)) return {};
  return std::u16string(name.substr(dot));
}

bool is_file(const std::u16string& windows_path) {
  DWORD attributes = GetFileAttributesW(platform::text::wide(windows_path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::u16string joined(std::u16string folder, std::u16string_view name) {
  if (!folder.empty() && folder.back() != u'\\') folder += u'\\';
  return folder + std::u16string(name);
}

// The file that `name` names: with a folder, against the working folder; without one, in the
// working folder and then the system folders. A name without extension tries the executable ones.
std::optional<std::u16string> locate(std::u16string_view name, const std::u16string& working) {
  std::vector<std::u16string> folders;
  if (rooted(name))
    folders.push_back(u"");
  else if (has_folder(name))
    folders.push_back(working);
  else
    folders = {working, u"C:\\Windows\\System32", u"C:\\Windows"};
  std::vector<std::u16string> suffixes{u""};
  if (extension(name).empty()) suffixes = {u".exe", u".com", u".bat", u".cmd"};
  for (const auto& folder : folders)
    for (const auto& suffix : suffixes) {
      std::u16string candidate = platform::paths::full(joined(folder, name) + suffix);
      if (is_file(candidate)) return candidate;
    }
  return std::nullopt;
}

int error_result(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY: return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
    case ERROR_NOT_ENOUGH_MEMORY: return SE_ERR_OOM;
    case ERROR_BAD_EXE_FORMAT: return ERROR_BAD_FORMAT;
    case kNoAssociation: return SE_ERR_NOASSOC;
    default: return SE_ERR_ACCESSDENIED;
  }
}

struct Request {
  std::u16string verb, file, parameters, directory;
  int show = SW_SHOWNORMAL;
  bool keep_process = false;
};

struct Outcome {
  int result;
  HANDLE process;
};

Outcome fail(DWORD error) {
  SetLastError(error);
  return {error_result(error), nullptr};
}

Outcome execute(const Request& request) {
  if (!request.verb.empty() && !iequals(request.verb, u"open")) return fail(kNoAssociation);
  if (request.file.empty()) return fail(ERROR_FILE_NOT_FOUND);
  // No browser runs on this machine: the address is recorded for the machine's user, and no
  // process comes back.
  if (platform::shell::is_web_address(request.file)) {
    platform::shell::record_opened(request.file);
    return {kStarted, nullptr};
  }
  std::u16string working = request.directory.empty() ? platform::paths::current_directory()
                                                      : platform::paths::full(request.directory);
  std::optional<std::u16string> file = locate(request.file, working);
  if (!file) {
    std::u16string folder = has_folder(request.file) ? platform::paths::full(rooted(request.file) ? request.file : joined(working, request.file)) : working;
    if (has_folder(request.file)) folder.resize(folder.find_last_of(u'\\') + 1);
    DWORD attributes = GetFileAttributesW(platform::text::wide(folder));
    bool folder_exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return fail(folder_exists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
  }
  // A batch file goes to process creation too, which runs it through cmd.exe /c.
  std::u16string ext = extension(*file);
  bool runnable = iequals(ext, u".exe") || iequals(ext, u".com") || iequals(ext, u".bat") || iequals(ext, u".cmd");
  if (!runnable) return fail(kNoAssociation);
  std::u16string line = u"\"" + *file + u"\"";
  if (!request.parameters.empty()) line += u" " + request.parameters;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.show);
  PROCESS_INFORMATION info{};
  DWORD flags = request.show == SW_HIDE ? CREATE_NO_WINDOW : 0;
  if (!CreateProcessW(platform::text::wide(*file), const_cast<LPWSTR>(platform::text::wide(line)), nullptr,
                      nullptr, FALSE, flags, nullptr, platform::text::wide(working), &startup, &info))
    return fail(GetLastError());
  CloseHandle(info.hThread);
  if (!request.keep_process) {
    CloseHandle(info.hProcess);
    info.hProcess = nullptr;
  }
  return {kStarted, info.hProcess};
}

std::u16string ansi(LPCSTR text) { return text ? platform::text::from_ansi(text) : std::u16string(); }

HINSTANCE as_instance(int result) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(result)); }

BOOL execute_ex(const Request& request, HINSTANCE* inst_app, HANDLE* process) {
  Outcome outcome = execute(request);
  *inst_app = as_instance(outcome.result);
  *process = outcome.process;
  return outcome.result > 32;
}

}  // namespace

extern "C" {

HINSTANCE WINAPI ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters,
                               LPCWSTR lpDirectory, INT nShowCmd) {
  using platform::text::from_wide;
  Request request{from_wide(lpOperation), from_wide(lpFile), from_wide(lpParameters), from_wide(lpDirectory),
                  nShowCmd};
  return as_instance(execute(request).result);
}

HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                               INT nShowCmd) {
  Request request{ansi(lpOperation), ansi(lpFile), ansi(lpParameters), ansi(lpDirectory), nShowCmd};
  return as_instance(execute(request).result);
}

BOOL WINAPI ShellExecuteExW(SHELLEXECUTEINFOW* info) {
  if (!info || info->cbSize != sizeof *info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  using platform::text::from_wide;
  Request request{from_wide(info->lpVerb), from_wide(info->lpFile), from_wide(info->lpParameters),
                  from_wide(info->lpDirectory), info->nShow, (info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0};
  return execute_ex(request, &info->hInstApp, &info->hProcess);
}

BOOL WINAPI ShellExecuteExA(SHELLEXECUTEINFOA* info) {
  if (!info || info->cbSize != sizeof *info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Request request{ansi(info->lpVerb), ansi(info->lpFile), ansi(info->lpParameters), ansi(info->lpDirectory),
                  info->nShow, (info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0};
  return execute_ex(request, &info->hInstApp, &info->hProcess);
}

}  // extern "C"

static_assert(sizeof(SHELLEXECUTEINFOW) == 112 && sizeof(SHELLEXECUTEINFOA) == 112);
