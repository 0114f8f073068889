// CreateFileA/W: creation dispositions, read-only and hidden files, share modes.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <windows.h>

#include "kernel/machine.h"
#include "machine/clock.h"
#include "kernel/file_errors.h"
#include "kernel/file_info.h"
#include "kernel/file_object.h"
#include "kernel/handles.h"
#include "kernel/host_path.h"
#include "kernel/out_buffer.h"
#include "kernel/share_table.h"

namespace {

using namespace platform;

HANDLE fail(DWORD error) {
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

int open_flags(DWORD desired, DWORD flags, bool needs_write) {
  int o = O_CLOEXEC | O_LARGEFILE | O_NOCTTY | (needs_write ? O_RDWR : O_RDONLY);
  if ((desired & FILE_APPEND_DATA) && !(desired & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA))) o |= O_APPEND;
  if (flags & FILE_FLAG_WRITE_THROUGH) o |= O_DSYNC;
  return o;
}

HANDLE create_file(const std::u16string& name, DWORD desired, DWORD share_mode, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flags) {
  if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) return fail(ERROR_INVALID_PARAMETER);
  if (flags & FILE_FLAG_OVERLAPPED) return fail(ERROR_NOT_SUPPORTED);  // the machine does synchronous I/O
  DWORD access = share::access_of(desired);
  if (disposition == TRUNCATE_EXISTING && !(access & share::kWrite)) return fail(ERROR_INVALID_PARAMETER);
  if (name.empty()) return fail(ERROR_PATH_NOT_FOUND);

  paths::HostPath path = paths::resolve(name);
  if (path.error) return fail(path.error);
  if (path.directory) return fail(ERROR_ACCESS_DENIED);
  const DWORD new_attributes = (flags & files::kSettableAttributes) | FILE_ATTRIBUTE_ARCHIVE;

  machine::Transaction scope;
  std::optional<files::Info> existing = path.exists ? files::stat(path.host) : std::nullopt;
  int fd;
  DWORD last_error = ERROR_SUCCESS;
  if (existing) {
    if (disposition == CREATE_NEW) return fail(ERROR_FILE_EXISTS);
    bool replaces = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    if ((existing->attributes & FILE_ATTRIBUTE_READONLY) && ((access & (share::kWrite | share::kDelete)) || replaces))
      return fail(ERROR_ACCESS_DENIED);
    // Replacing a hidden or system file must name those attributes again.
    DWORD kept = existing->attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (disposition == CREATE_ALWAYS && (flags & kept) != kept) return fail(ERROR_ACCESS_DENIED);
    if (!share::admits(existing->id, access, share_mode)) return fail(ERROR_SHARING_VIOLATION);
    fd = open(path.host.c_str(), open_flags(desired, flags, (access & share::kWrite) || replaces) |
                                     (replaces ? O_TRUNC : 0));
    if (fd < 0) return fail(files::error_from_errno(errno));
    if (replaces) {
      files::set_times(fd, std::nullopt, clock::now_ns());
      if (auto info = files::stat(fd)) {
        if (disposition == CREATE_ALWAYS)
          files::set_attributes(*info, new_attributes);
        else
          files::mark_changed(*info);
      }
    }
    if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS) last_error = ERROR_ALREADY_EXISTS;
  } else {
    if (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING) return fail(ERROR_FILE_NOT_FOUND);
    fd = open(path.host.c_str(), open_flags(desired, flags, access & share::kWrite) | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return fail(errno == EEXIST ? ERROR_FILE_EXISTS : files::error_from_errno(errno));
    int64_t now = clock::now_ns();
    files::set_times(fd, now, now);
    if (auto info = files::stat(fd)) files::record_new(info->id, new_attributes, now);
  }
  std::optional<files::Info> opened = files::stat(fd);
  if (!opened) {
    DWORD error = files::error_from_errno(errno);
    close(fd);
    return fail(error);
  }
  long long row = share::record(opened->id, access, share_mode);
  scope.commit();
  auto object = std::make_shared<files::FileObject>(fd, desired, row);
  HANDLE handle = handles::add(object, security && security->bInheritHandle);
  SetLastError(last_error);
  return handle;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD desired, DWORD share_mode, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags, HANDLE) {
  return create_file(out::in(name), desired, share_mode, security, disposition, flags);
}

HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD desired, DWORD share_mode, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags, HANDLE) {
  return create_file(out::in(name), desired, share_mode, security, disposition, flags);
}

}  // extern "C"
