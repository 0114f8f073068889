#include "kernel/console.h"

#include <fcntl.h>
#include <unistd.h>

#include <mutex>

#include "kernel/creator_protocol.h"

namespace platform::console {
namespace {

struct State {
  std::mutex lock;
  std::shared_ptr<Console> current;
  std::shared_ptr<Console> parent;
};

std::shared_ptr<Console> over(int fd) { return fd >= 0 ? std::make_shared<Console>(fd) : nullptr; }

State& state() {
  static State* s = [] {
    auto* fresh = new State;  // used by threads still running at exit
    const creator::Inheritance& given = creator::received();
    if (!given.from_creator) {
      fresh->current = over(duplicate_fd(1));
    } else {
      fresh->current = over(given.console_fd);
      fresh->parent = given.parent_console_fd == given.console_fd ? fresh->current : over(given.parent_console_fd);
    }
    return fresh;
  }();
  return *s;
}

}  // namespace

Console::~Console() { close(fd_); }

std::shared_ptr<Console> current() {
  State& s = state();
  std::lock_guard g(s.lock);
  return s.current;
}

std::shared_ptr<Console> parent() {
  State& s = state();
  std::lock_guard g(s.lock);
  return s.parent;
}

std::shared_ptr<Console> create_hidden() { return over(open("/dev/null", O_RDWR | O_CLOEXEC)); }

bool attach(std::shared_ptr<Console> console) {
  State& s = state();
  std::lock_guard g(s.lock);
  if (s.current) return false;
  s.current = std::move(console);
  return true;
}

void detach() {
  State& s = state();
  std::lock_guard g(s.lock);
  s.current.reset();
}

void hand_back_to_parent() {
  State& s = state();
  std::lock_guard g(s.lock);
  if (!s.parent) s.parent = s.current;
  s.current.reset();
}

BOOL ConsoleHandle::read(void* buffer, DWORD size, DWORD* done) {
  if (attached()) return FdObject::read(buffer, size, done);
  *done = 0;
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}

BOOL ConsoleHandle::write(const void* buffer, DWORD size, DWORD* done) {
  if (attached()) return FdObject::write(buffer, size, done);
  *done = 0;
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}

}  // namespace platform::console
