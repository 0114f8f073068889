// The console model: a console is the descriptor its output goes to. A process started from
// Linux (winsim, a test) has a console over its descriptor 1; a child shares its creator's
// console unless it is created with a new one, whose output goes nowhere (this machine shows no
// console windows), or detached, without one.
#pragma once

#include <memory>

#include "kernel/fd_object.h"

namespace platform::console {

class Console {
 public:
  explicit Console(int fd) : fd_(fd) {}
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// The console this process is attached to, or null.
std::shared_ptr<Console> current();
// The creator's console, or null.
std::shared_ptr<Console> parent();
// A new console without a window: what is written to it is lost.
std::shared_ptr<Console> create_hidden();
// Attaches the process (AllocConsole, AttachConsole); false when it already has a console.
bool attach(std::shared_ptr<Console> console);
void detach();
// Detaches a program of the GUI subsystem at its start: the console it was given stays within
// reach of AttachConsole(ATTACH_PARENT_PROCESS) as its creator's.
void hand_back_to_parent();
// What the start of a GUI program (platform/entry) calls first: no console of its own, and no
// standard handles of the console it was given; handles given as STARTF_USESTDHANDLES stay.
void start_gui_program();

// A handle of a console over its own descriptor; valid while the process stays attached.
class ConsoleHandle : public FdObject {
 public:
  ConsoleHandle(std::shared_ptr<Console> console, int fd) : FdObject(fd), console_(std::move(console)) {}
  BOOL read(void* buffer, DWORD size, DWORD* done) override;
  BOOL write(const void* buffer, DWORD size, DWORD* done) override;
  bool attached() const { return console_ == current(); }
  const std::shared_ptr<Console>& console() const { return console_; }

 private:
  std::shared_ptr<Console> console_;
};

}  // namespace platform::console
