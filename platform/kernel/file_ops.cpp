// Whole-file operations: MoveFile(Ex), CopyFile and DeleteFile, with the share modes of the
// opens that other handles hold.
#include <fcntl.h>
#include <sys/stat.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include <windows.h>

#include "kernel/machine.h"
#include "machine/clock.h"
#include "kernel/file_errors.h"
#include "kernel/file_info.h"
#include "kernel/host_path.h"
#include "kernel/out_buffer.h"
#include "kernel/share_table.h"

namespace {

using namespace platform;

BOOL fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Copies the data, the attributes (with the archive mark) and the last-write time.
BOOL copy_contents(const files::Info& from_info, const std::filesystem::path& from, const std::filesystem::path& to,
                   bool replace) {
  int in = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_LARGEFILE);
  if (in < 0) return fail(files::error_from_errno(errno));
  int out = open(to.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_LARGEFILE | (replace ? O_TRUNC : O_EXCL), 0666);
  if (out < 0) {
    DWORD error = errno == EEXIST ? ERROR_FILE_EXISTS : files::error_from_errno(errno);
    close(in);
    return fail(error);
  }
  char buffer[65536];
  DWORD error = 0;
  for (;;) {
    ssize_t n = read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n < 0) error = files::error_from_errno(errno);
      break;
    }
    for (ssize_t done = 0; done < n && !error;) {
      ssize_t w = write(out, buffer + done, size_t(n - done));
      if (w < 0 && errno != EINTR) error = files::error_from_errno(errno);
      if (w > 0) done += w;
    }
    if (error) break;
  }
  // The host's execute bits make a program file a program: a copy of one must run like it.
  struct stat source;
  if (!error && fstat(in, &source) == 0) fchmod(out, source.st_mode & 07777);
  if (!error) {
    int64_t now = clock::now_ns();
    files::set_times(out, now, from_info.write_ns);
    if (auto info = files::stat(out))
      files::record_new(info->id, (from_info.attributes & files::kSettableAttributes) | FILE_ATTRIBUTE_ARCHIVE, now);
  }
  close(in);
  close(out);
  if (error) {
    unlink(to.c_str());
    return fail(error);
  }
  return TRUE;
}

BOOL copy_file(const std::u16string& from_name, const std::u16string& to_name, bool fail_if_exists) {
  paths::HostPath from = paths::resolve(from_name);
  if (from.error) return fail(from.error);
  if (!from.exists) return fail(ERROR_FILE_NOT_FOUND);
  if (from.directory) return fail(ERROR_ACCESS_DENIED);
  paths::HostPath to = paths::resolve(to_name);
  if (to.error) return fail(to.error);

  machine::Transaction scope;
  auto from_info = files::stat(from.host);
  if (!from_info) return fail(files::error_from_errno(errno));
  // The source is read with FILE_SHARE_READ | FILE_SHARE_DELETE: no open may be writing it.
  if (!share::admits(from_info->id, share::kRead, FILE_SHARE_READ | FILE_SHARE_DELETE))
    return fail(ERROR_SHARING_VIOLATION);
  if (to.exists) {
    if (fail_if_exists) return fail(ERROR_FILE_EXISTS);
    auto to_info = files::stat(to.host);
    if (!to_info || to.directory) return fail(ERROR_ACCESS_DENIED);
    if (to_info->id == from_info->id) return fail(ERROR_SHARING_VIOLATION);
    if (to_info->attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) return fail(ERROR_ACCESS_DENIED);
    if (!share::admits(to_info->id, share::kWrite, kShareAll)) return fail(ERROR_SHARING_VIOLATION);
  }
  BOOL ok = copy_contents(*from_info, from.host, to.host, !fail_if_exists);
  scope.commit();
  return ok;
}

BOOL move_file(const std::u16string& from_name, const std::u16string* to_name, DWORD flags) {
  if (!to_name || (flags & ~(MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)))
    return fail(ERROR_INVALID_PARAMETER);  // moves at the next boot are not kept
  paths::HostPath from = paths::resolve(from_name);
  if (from.error) return fail(from.error);
  if (!from.exists) return fail(ERROR_FILE_NOT_FOUND);
  paths::HostPath to = paths::resolve(*to_name);
  if (to.error) return fail(to.error);

  machine::Transaction scope;
  auto from_info = files::stat(from.host);
  if (!from_info) return fail(files::error_from_errno(errno));
  if (!share::admits(from_info->id, share::kDelete, kShareAll)) return fail(ERROR_SHARING_VIOLATION);
  std::filesystem::path target = to.host;
  std::optional<files::Identity> replaced;
  if (to.exists) {
    auto to_info = files::stat(to.host);
    bool same_file = to_info && to_info->id == from_info->id;
    if (same_file) {
      // A new spelling of the same name ("a.txt" to "A.TXT") renames in place.
      target = to.host.parent_path() / text::utf8(to.windows.substr(to.windows.rfind(u'\\') + 1));
    } else {
      if (!(flags & MOVEFILE_REPLACE_EXISTING)) return fail(ERROR_ALREADY_EXISTS);
      if (!to_info || to_info->directory || from_info->directory) return fail(ERROR_ACCESS_DENIED);
      if (to_info->attributes & FILE_ATTRIBUTE_READONLY) return fail(ERROR_ACCESS_DENIED);
      if (share::in_use(to_info->id)) return fail(ERROR_ACCESS_DENIED);
      replaced = to_info->id;
    }
  }
  if (rename(from.host.c_str(), target.c_str()) != 0) {
    if (errno != EXDEV) return fail(files::error_from_errno(errno));
    if (!(flags & MOVEFILE_COPY_ALLOWED) || from_info->directory) return fail(ERROR_NOT_SAME_DEVICE);
    if (!copy_contents(*from_info, from.host, target, replaced.has_value())) return FALSE;
    unlink(from.host.c_str());
    files::forget(from_info->id);
  }
  if (replaced) files::forget(*replaced);
  scope.commit();
  if (flags & MOVEFILE_WRITE_THROUGH) sync();
  return TRUE;
}

BOOL delete_file(const std::u16string& name) {
  paths::HostPath path = paths::resolve(name);
  if (path.error) return fail(path.error);
  if (!path.exists) return fail(ERROR_FILE_NOT_FOUND);
  if (path.directory) return fail(ERROR_ACCESS_DENIED);
  machine::Transaction scope;
  auto info = files::stat(path.host);
  if (!info) return fail(files::error_from_errno(errno));
  if (info->attributes & FILE_ATTRIBUTE_READONLY) return fail(ERROR_ACCESS_DENIED);
  if (!share::admits(info->id, share::kDelete, kShareAll)) return fail(ERROR_SHARING_VIOLATION);
  if (unlink(path.host.c_str()) != 0) return fail(files::error_from_errno(errno));
  // An open that allowed the deletion still holds the inode: its row stays until it closes.
  if (!share::in_use(info->id)) files::forget(info->id);
  scope.commit();
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI MoveFileA(LPCSTR from, LPCSTR to) {
  std::u16string target = out::in(to);
  return move_file(out::in(from), to ? &target : nullptr, 0);
}

BOOL WINAPI MoveFileW(LPCWSTR from, LPCWSTR to) {
  std::u16string target = out::in(to);
  return move_file(out::in(from), to ? &target : nullptr, 0);
}

BOOL WINAPI MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  std::u16string target = out::in(to);
  return move_file(out::in(from), to ? &target : nullptr, flags);
}

BOOL WINAPI MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
  std::u16string target = out::in(to);
  return move_file(out::in(from), to ? &target : nullptr, flags);
}

BOOL WINAPI CopyFileA(LPCSTR from, LPCSTR to, BOOL fail_if_exists) {
  return copy_file(out::in(from), out::in(to), fail_if_exists);
}

BOOL WINAPI CopyFileW(LPCWSTR from, LPCWSTR to, BOOL fail_if_exists) {
  return copy_file(out::in(from), out::in(to), fail_if_exists);
}

BOOL WINAPI DeleteFileA(LPCSTR name) { return delete_file(out::in(name)); }
BOOL WINAPI DeleteFileW(LPCWSTR name) { return delete_file(out::in(name)); }

}  // extern "C"
