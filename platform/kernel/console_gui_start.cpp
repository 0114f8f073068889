#include "kernel/console.h"
#include "kernel/handles.h"
#include "kernel/std_handles.h"

namespace platform::console {

void start_gui_program() {
  // The standard handles are made over the given console first, so that its handles can be
  // told from the files and pipes the creator gave.
  HANDLE given[3];
  for (int slot = 0; slot < 3; ++slot) given[slot] = std_handles::get(slot);
  hand_back_to_parent();
  for (int slot = 0; slot < 3; ++slot) {
    if (!std::dynamic_pointer_cast<ConsoleHandle>(handles::get(given[slot]))) continue;
    std_handles::set(slot, nullptr);
    CloseHandle(given[slot]);
  }
}

}  // namespace platform::console
