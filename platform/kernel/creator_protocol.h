// What a creating process hands to its child besides the program's arguments. Descriptors
// travel as open Linux descriptors at the numbers these variables name:
//   WINSIM_HANDLES         inherited handles, "value:fd,value:fd" (decimal)
//   WINSIM_STDIO           the three standard handles, "in,out,err", each one of
//                          "c" (a handle of the console over descriptor 0, 1 or 2),
//                          "h<value>" (that inherited handle), "f" (descriptor 0, 1 or 2 itself)
//                          or "-" (no handle)
//   WINSIM_CONSOLE         the descriptor the child's console writes to; absent: no console
//   WINSIM_PARENT_CONSOLE  the creator's console, for AttachConsole(ATTACH_PARENT_PROCESS)
// together with WINSIM_ROOT and the identity of process_identity.h. A process without
// WINSIM_STDIO was started from Linux: its console and standard handles are descriptors 0, 1, 2.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kernel/object.h"

namespace platform::creator {

struct StdSlot {
  enum Kind { kNone, kConsole, kHandle, kDescriptor };
  Kind kind = kNone;
  HANDLE handle = nullptr;  // kHandle
};

struct Inheritance {
  bool from_creator = false;
  std::vector<std::pair<HANDLE, int>> handles;  // value, descriptor
  std::array<StdSlot, 3> std_slots;
  int console_fd = -1;
  int parent_console_fd = -1;
};

// What this process received (parsed once; its descriptors become close-on-exec).
const Inheritance& received();

// The inherited handles as objects at their values, for the handle table of a starting process.
// Called once; also makes a write to a pipe without readers an error instead of a signal.
std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> startup_handles();

// The variables that hand `child` to a child process ("NAME=value").
std::vector<std::string> environment(const Inheritance& child);

// True for the names of the variables of this protocol and of process_identity.h.
bool is_protocol_variable(const std::string& name);

}  // namespace platform::creator
