// Process objects: the children this process created, other processes it opened, and itself.
// Process ids are Linux process ids.
#pragma once

#include <sys/types.h>

#include <memory>

#include "kernel/object.h"

namespace platform {

class ProcessObject : public Waitable {
 public:
  virtual DWORD id() const = 0;
  // STILL_ACTIVE while the process runs. Called with wait::mutex() held.
  virtual DWORD exit_code() = 0;
  // Ends the process with `code`; sets the last error when it fails. Takes wait::mutex() itself.
  virtual BOOL terminate(UINT code) = 0;
};

// A child just spawned: a thread of this process waits for its end and reaps it.
std::shared_ptr<ProcessObject> watch_child(pid_t pid);
// The primary thread of a process: signalled when the process ends.
std::shared_ptr<Waitable> primary_thread(std::shared_ptr<ProcessObject> process);
// Any running process by id (OpenProcess); null when there is none.
std::shared_ptr<ProcessObject> open_process(DWORD id);
// The process object behind `h`, including the pseudo handle of GetCurrentProcess; or null.
std::shared_ptr<ProcessObject> process_of(HANDLE h);
bool is_current_process(HANDLE h);

}  // namespace platform
