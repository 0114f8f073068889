#include "kernel/fd_object.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

DWORD error_from_errno(int error) {
  switch (error) {
    case EBADF: return ERROR_INVALID_HANDLE;
    case EPIPE: return ERROR_NO_DATA;
    case ENOSPC: return ERROR_DISK_FULL;
    case EISDIR: return ERROR_ACCESS_DENIED;
    default: return ERROR_GEN_FAILURE;
  }
}

bool refers_to_pipe(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode);
}

}  // namespace

FdObject::FdObject(int fd) : fd_(fd), pipe_(refers_to_pipe(fd)) {}

FdObject::~FdObject() { close(fd_); }

BOOL FdObject::read(void* buffer, DWORD size, DWORD* done) {
  *done = 0;
  if (size == 0) return TRUE;
  ssize_t n;
  do n = ::read(fd_, buffer, size);
  while (n < 0 && errno == EINTR);
  if (n < 0) {
    SetLastError(error_from_errno(errno));
    return FALSE;
  }
  if (n == 0 && pipe_) {
    SetLastError(ERROR_BROKEN_PIPE);
    return FALSE;
  }
  *done = DWORD(n);
  return TRUE;
}

BOOL FdObject::write(const void* buffer, DWORD size, DWORD* done) {
  *done = 0;
  const char* bytes = static_cast<const char*>(buffer);
  while (*done < size) {
    ssize_t n = ::write(fd_, bytes + *done, size - *done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(error_from_errno(errno));
      return FALSE;
    }
    *done += DWORD(n);
  }
  return TRUE;
}

int duplicate_fd(int fd) { return fcntl(fd, F_DUPFD_CLOEXEC, 0); }

}  // namespace platform
