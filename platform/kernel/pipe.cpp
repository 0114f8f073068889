// Anonymous pipes over Linux pipes.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include "kernel/fd_object.h"
#include "kernel/handles.h"

namespace {

// True when no writer holds the pipe any more and nothing is left to read.
bool broken(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, 0) > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN);
}

// Copies up to `size` bytes from the front of the pipe without taking them.
DWORD peek(int fd, void* buffer, DWORD size) {
  int copy[2];
  if (pipe2(copy, O_CLOEXEC | O_NONBLOCK) != 0) return 0;
  ssize_t teed = tee(fd, copy[1], size, SPLICE_F_NONBLOCK);
  ssize_t got = teed > 0 ? read(copy[0], buffer, size_t(teed)) : 0;
  close(copy[0]);
  close(copy[1]);
  return got > 0 ? DWORD(got) : 0;
}

}  // namespace

extern "C" {

BOOL WINAPI CreatePipe(PHANDLE hReadPipe, PHANDLE hWritePipe, LPSECURITY_ATTRIBUTES lpPipeAttributes, DWORD) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    SetLastError(errno == EMFILE || errno == ENFILE ? ERROR_TOO_MANY_OPEN_FILES : ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
  bool inheritable = lpPipeAttributes && lpPipeAttributes->bInheritHandle;
  *hReadPipe = platform::handles::add(std::make_shared<platform::FdObject>(fds[0]), inheritable);
  *hWritePipe = platform::handles::add(std::make_shared<platform::FdObject>(fds[1]), inheritable);
  return TRUE;
}

BOOL WINAPI PeekNamedPipe(HANDLE hNamedPipe, LPVOID lpBuffer, DWORD nBufferSize, LPDWORD lpBytesRead,
                          LPDWORD lpTotalBytesAvail, LPDWORD lpBytesLeftThisMessage) {
  auto pipe = platform::handles::get_as<platform::FdObject>(hNamedPipe);
  if (!pipe || !pipe->is_pipe()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  int available = 0;
  if (ioctl(pipe->native_fd(), FIONREAD, &available) != 0) available = 0;
  if (available == 0 && broken(pipe->native_fd())) {
    SetLastError(ERROR_BROKEN_PIPE);
    return FALSE;
  }
  DWORD copied = 0;
  if (lpBuffer && nBufferSize && available)
    copied = peek(pipe->native_fd(), lpBuffer, std::min(nBufferSize, DWORD(available)));
  if (lpBytesRead) *lpBytesRead = copied;
  if (lpTotalBytesAvail) *lpTotalBytesAvail = DWORD(available);
  if (lpBytesLeftThisMessage) *lpBytesLeftThisMessage = 0;
  return TRUE;
}

}  // extern "C"
