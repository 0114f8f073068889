// An open disk file: I/O at the file pointer, and the share entry that the open holds.
#pragma once

#include "kernel/object.h"
#include "kernel/share_table.h"

namespace platform::files {

class FileObject : public IoObject {
 public:
  // Takes `fd` (opened O_CLOEXEC), the access CreateFile was asked for and the share row
  // recorded for the open.
  FileObject(int fd, DWORD desired_access, long long share_row);
  ~FileObject() override;
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  int native_fd() const override { return fd_; }
  BOOL read(void* buffer, DWORD size, DWORD* done) override;
  BOOL write(const void* buffer, DWORD size, DWORD* done) override;
  BOOL flush() override;

  bool can_read() const { return access_ & share::kRead; }
  bool can_write() const { return access_ & share::kWrite; }
  bool can_write_attributes() const { return write_attributes_; }
  // After a change of the data: the write time follows the machine clock, and the file is
  // marked for backup (once per open).
  void changed();

 private:
  int fd_;
  DWORD access_;
  bool write_attributes_;
  long long share_row_;
  bool marked_ = false;
};

}  // namespace platform::files
