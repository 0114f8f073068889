// The automation channel of this process: lets `winsim desktop` (and the tests' client, see
// automation/client.h) list and drive the process's windows.
#pragma once

namespace platform::automation {

// Starts serving the channel, at the process's first window; a later call only returns. The
// socket goes away when the process exits (a client removes the one of a process that ended
// without exiting normally). False when the channel could not be set up.
bool serve();

}  // namespace platform::automation
