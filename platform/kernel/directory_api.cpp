// Folders, full path names, the current directory and the machine's well-known folders.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <windows.h>

#include "machine/clock.h"
#include "kernel/file_errors.h"
#include "kernel/file_info.h"
#include "kernel/host_path.h"
#include "kernel/out_buffer.h"
#include "kernel/paths.h"

namespace {

using namespace platform;

constexpr char16_t kWindowsDirectory[] = u"C:\\Windows";
constexpr char16_t kSystemDirectory[] = u"C:\\Windows\\System32";
constexpr char16_t kTempPath[] = u"C:\\Windows\\Temp\\";

BOOL fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

BOOL create_directory(const std::u16string& name) {
  paths::HostPath path = paths::resolve(name);
  if (path.error) return fail(path.error);
  if (path.exists) return fail(ERROR_ALREADY_EXISTS);
  if (mkdir(path.host.c_str(), 0777) != 0)
    return fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : files::error_from_errno(errno));
  int fd = open(path.host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    int64_t now = clock::now_ns();
    files::set_times(fd, now, now);
    if (auto info = files::stat(fd)) files::record_new(info->id, 0, now);
    close(fd);
  }
  return TRUE;
}

BOOL remove_directory(const std::u16string& name) {
  paths::HostPath path = paths::resolve(name);
  if (path.error) return fail(path.error);
  if (!path.exists) return fail(ERROR_FILE_NOT_FOUND);
  if (!path.directory) return fail(ERROR_DIRECTORY);
  auto info = files::stat(path.host);
  if (!info) return fail(files::error_from_errno(errno));
  if (info->attributes & FILE_ATTRIBUTE_READONLY) return fail(ERROR_ACCESS_DENIED);
  // The process's current directory is held open, as Windows holds it.
  if (text::iequals(path.windows, paths::current_directory())) return fail(ERROR_SHARING_VIOLATION);
  if (rmdir(path.host.c_str()) != 0) return fail(files::error_from_errno(errno));
  files::forget(info->id);
  return TRUE;
}

template <class Unit>
DWORD full_path_name(const std::u16string& name, DWORD size, Unit* buffer, Unit** file_part) {
  if (name.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  std::u16string full = paths::full(name);
  DWORD result;
  if constexpr (sizeof(Unit) == 1)
    result = out::sized_ansi(full, buffer, size);
  else
    result = out::sized(full, buffer, size);
  if (file_part && result < size) {
    // Windows' ANSI names have one byte per character, so the offset is the same.
    size_t slash = full.rfind(u'\\');
    *file_part = slash + 1 == full.size() ? nullptr : buffer + slash + 1;
  }
  return result;
}

}  // namespace

extern "C" {

BOOL WINAPI CreateDirectoryA(LPCSTR name, LPSECURITY_ATTRIBUTES) { return create_directory(out::in(name)); }
BOOL WINAPI CreateDirectoryW(LPCWSTR name, LPSECURITY_ATTRIBUTES) { return create_directory(out::in(name)); }
BOOL WINAPI RemoveDirectoryA(LPCSTR name) { return remove_directory(out::in(name)); }
BOOL WINAPI RemoveDirectoryW(LPCWSTR name) { return remove_directory(out::in(name)); }

DWORD WINAPI GetFullPathNameA(LPCSTR name, DWORD size, LPSTR buffer, LPSTR* file_part) {
  return full_path_name(out::in(name), size, buffer, file_part);
}
DWORD WINAPI GetFullPathNameW(LPCWSTR name, DWORD size, LPWSTR buffer, LPWSTR* file_part) {
  return full_path_name(out::in(name), size, buffer, file_part);
}

DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
  return out::sized_ansi(paths::current_directory(), buffer, size);
}
DWORD WINAPI GetCurrentDirectoryW(DWORD size, LPWSTR buffer) {
  return out::sized(paths::current_directory(), buffer, size);
}
BOOL WINAPI SetCurrentDirectoryA(LPCSTR name) { return paths::set_current_directory(out::in(name)); }
BOOL WINAPI SetCurrentDirectoryW(LPCWSTR name) { return paths::set_current_directory(out::in(name)); }

DWORD WINAPI GetTempPathA(DWORD size, LPSTR buffer) { return out::sized_ansi(kTempPath, buffer, size); }
DWORD WINAPI GetTempPathW(DWORD size, LPWSTR buffer) { return out::sized(kTempPath, buffer, size); }
UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) { return out::sized_ansi(kWindowsDirectory, buffer, size); }
UINT WINAPI GetWindowsDirectoryW(LPWSTR buffer, UINT size) { return out::sized(kWindowsDirectory, buffer, size); }
UINT WINAPI GetSystemDirectoryA(LPSTR buffer, UINT size) { return out::sized_ansi(kSystemDirectory, buffer, size); }
UINT WINAPI GetSystemDirectoryW(LPWSTR buffer, UINT size) { return out::sized(kSystemDirectory, buffer, size); }

}  // extern "C"
