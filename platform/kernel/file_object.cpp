#include "kernel/file_object.h"

#include <unistd.h>

#include <cerrno>

#include "machine/clock.h"
#include "kernel/file_errors.h"
#include "kernel/file_info.h"

namespace platform::files {

FileObject::FileObject(int fd, DWORD desired_access, long long share_row)
    : fd_(fd),
      access_(share::access_of(desired_access)),
      write_attributes_(desired_access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_ATTRIBUTES)),
      share_row_(share_row) {}

FileObject::~FileObject() {
  ::close(fd_);
  share::release(share_row_);
}

BOOL FileObject::read(void* buffer, DWORD size, DWORD* done) {
  *done = 0;
  if (!can_read()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  auto* p = static_cast<char*>(buffer);
  while (*done < size) {
    ssize_t n = ::read(fd_, p + *done, size - *done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(error_from_errno(errno));
      return FALSE;
    }
    if (n == 0) break;  // end of file: success with what was read
    *done += DWORD(n);
  }
  return TRUE;
}

BOOL FileObject::write(const void* buffer, DWORD size, DWORD* done) {
  *done = 0;
  if (!can_write()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const auto* p = static_cast<const char*>(buffer);
  while (*done < size) {
    ssize_t n = ::write(fd_, p + *done, size - *done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(error_from_errno(errno));
      return FALSE;
    }
    *done += DWORD(n);
  }
  if (size) changed();
  return TRUE;
}

BOOL FileObject::flush() {
  if (!can_write()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (fsync(fd_) != 0) {
    SetLastError(error_from_errno(errno));
    return FALSE;
  }
  return TRUE;
}

void FileObject::changed() {
  set_times(fd_, std::nullopt, clock::now_ns());
  if (marked_) return;
  marked_ = true;
  if (auto info = stat(fd_)) mark_changed(*info);
}

}  // namespace platform::files
