// Kernel objects of one process, shared through the handle table.
#pragma once

#include <memory>

#include <windows.h>

namespace platform {

class Object {
 public:
  virtual ~Object() = default;
  // A Linux descriptor that stands for the object when it is inherited by a child, or -1.
  virtual int native_fd() const { return -1; }
};

// Something a thread can wait on. Every member is called with wait::mutex() held.
class Waitable : public Object {
 public:
  // True when a wait by thread `tid` would be satisfied now.
  virtual bool signaled(DWORD tid) = 0;
  // Takes the signal for `tid` (auto-reset events clear, mutexes become owned).
  // Returns true when the object was an abandoned mutex.
  virtual bool acquire(DWORD tid) { (void)tid; return false; }
  // True when another process can change the state, so waiters must look again now and then.
  virtual bool polled() const { return false; }
};

// Something ReadFile and WriteFile work on: files, pipe ends, consoles. Each sets the last
// error itself when it fails.
class IoObject : public Object {
 public:
  virtual BOOL read(void* buffer, DWORD size, DWORD* done);
  virtual BOOL write(const void* buffer, DWORD size, DWORD* done);
  virtual BOOL flush();
};

}  // namespace platform
