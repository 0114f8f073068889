// A mutex that every process of the machine sees under its name.
//
// Each name is a file under <root>/objects/mutex/ that each process with a handle keeps open
// once, with open-file-description locks on it:
//   byte 0, shared:    the process holds a handle, so the name exists. A creator that can lock it
//                      exclusively is alone, so the mutex is new; it then turns the lock shared.
//   byte 1, exclusive: a thread of the process owns the mutex.
// The file's first byte is '1' while the mutex is owned. The kernel drops the locks of a process
// that dies, and the flag stays: the next owner learns that the mutex was abandoned. A thread of
// this process that ends while owning it gives up the lock the same way. Waits poll, since
// another process can release it at any moment.
#pragma once

#include <memory>
#include <string>

#include "kernel/mutex.h"

namespace platform {

class NamedMutex final : public Mutex {
 public:
  // The mutex of `name`. With `create` it is made when no process has it; a creator that
  // passes `owner_tid` owns it at once. *existed tells whether it was there. Null with the last
  // error set when it does not exist and `create` is false, or when the store fails.
  static std::shared_ptr<NamedMutex> open(const std::u16string& name, bool create, DWORD owner_tid,
                                          bool* existed);
  ~NamedMutex() override;
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

  bool polled() const override { return true; }

 protected:
  bool claim() override;
  void unclaim() override;
  bool begin_ownership() override;
  void end_ownership(bool abandoned) override;

 private:
  explicit NamedMutex(int fd) : fd_(fd) {}

  int fd_;
  bool claimed_ = false;
};

}  // namespace platform
