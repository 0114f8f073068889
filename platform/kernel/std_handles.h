// The process's standard handles: slot 0 input, 1 output, 2 error.
#pragma once

#include <memory>

#include "kernel/console.h"

namespace platform::std_handles {

// The handle in `slot`; null when the process has none.
HANDLE get(int slot);
void set(int slot, HANDLE handle);
// Gives every slot without a usable handle a new handle of `console` (AllocConsole, AttachConsole).
void fill_from(const std::shared_ptr<console::Console>& console);

}  // namespace platform::std_handles
