// An I/O object over a Linux descriptor it owns: pipe ends, the standard handles, and every
// handle a process inherited from its creator.
#pragma once

#include "kernel/object.h"

namespace platform {

class FdObject : public IoObject {
 public:
  explicit FdObject(int fd);
  ~FdObject() override;
  FdObject(const FdObject&) = delete;
  FdObject& operator=(const FdObject&) = delete;

  // A pipe that no writer holds any more reads as ERROR_BROKEN_PIPE; a file reads 0 bytes.
  BOOL read(void* buffer, DWORD size, DWORD* done) override;
  // Writes everything; a pipe without readers fails with ERROR_NO_DATA.
  BOOL write(const void* buffer, DWORD size, DWORD* done) override;
  int native_fd() const override { return fd_; }
  bool is_pipe() const { return pipe_; }

 private:
  int fd_;
  bool pipe_;
};

// Duplicates `fd` (close-on-exec); -1 when it is not open.
int duplicate_fd(int fd);

}  // namespace platform
