#include "kernel/child_handover.h"

#include <set>

#include "kernel/console.h"
#include "kernel/handles.h"
#include "kernel/std_handles.h"

namespace platform {
namespace {

class Builder {
 public:
  explicit Builder(ChildHandover& out) : out_(out) {}

  // The child's descriptor number for `fd`.
  int pass(int fd, std::shared_ptr<void> owner) {
    out_.extra_fds.push_back(fd);
    out_.borrowed.push_back(std::move(owner));
    return 2 + int(out_.extra_fds.size());
  }

  void inherit_all() {
    for (auto& [value, object] : handles::inheritable()) {
      int fd = object->native_fd();
      if (fd < 0) continue;
      out_.inheritance.handles.emplace_back(value, pass(fd, object));
      inherited_.insert(value);
    }
  }

  // Standard slot `slot` of the child from handle `h` of this process.
  void std_from(int slot, HANDLE h, const std::shared_ptr<console::Console>& child_console) {
    std::shared_ptr<Object> object = handles::get(h);
    int fd = object ? object->native_fd() : -1;
    creator::StdSlot& s = out_.inheritance.std_slots[slot];
    auto console_handle = std::dynamic_pointer_cast<console::ConsoleHandle>(object);
    if (console_handle && child_console && console_handle->console() == child_console && console_handle->attached())
      s.kind = creator::StdSlot::kConsole;
    else if (inherited_.count(h))
      s = {creator::StdSlot::kHandle, h};
    else if (fd >= 0)
      s.kind = creator::StdSlot::kDescriptor;
    out_.std_fds[slot] = fd;
    out_.borrowed.push_back(std::move(object));
  }

  void std_console(int slot, const std::shared_ptr<console::Console>& console) {
    out_.inheritance.std_slots[slot].kind = creator::StdSlot::kConsole;
    out_.std_fds[slot] = console->fd();
  }

 private:
  ChildHandover& out_;
  std::set<HANDLE> inherited_;
};

}  // namespace

ChildHandover hand_over(bool inherit_handles, DWORD creation_flags, const STARTUPINFOW& startup) {
  ChildHandover out;
  out.inheritance.from_creator = true;
  Builder builder(out);
  if (inherit_handles) builder.inherit_all();

  std::shared_ptr<console::Console> own = console::current();
  const bool detached = creation_flags & DETACHED_PROCESS;
  const bool fresh = !detached && (creation_flags & (CREATE_NEW_CONSOLE | CREATE_NO_WINDOW));
  std::shared_ptr<console::Console> child_console = detached ? nullptr : fresh ? console::create_hidden() : own;
  if (own) out.inheritance.parent_console_fd = builder.pass(own->fd(), own);
  if (child_console)
    out.inheritance.console_fd =
        child_console == own ? out.inheritance.parent_console_fd : builder.pass(child_console->fd(), child_console);

  const bool given = startup.dwFlags & STARTF_USESTDHANDLES;
  const HANDLE given_handles[3] = {startup.hStdInput, startup.hStdOutput, startup.hStdError};
  for (int slot = 0; slot < 3; ++slot) {
    if (given)
      builder.std_from(slot, given_handles[slot], child_console);
    else if (fresh && child_console)
      builder.std_console(slot, child_console);
    else if (!detached)
      builder.std_from(slot, std_handles::get(slot), child_console);
  }
  return out;
}

}  // namespace platform
