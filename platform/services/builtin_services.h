// The services every machine comes with.
#pragma once

namespace platform::services {

void install_builtin_services();

// Routing and Remote Access is a part of the system that runs when the network world says so:
// running (automatic start), or stopped (disabled, as Windows ships it).
void set_remote_access(bool running);
bool remote_access_running();

}  // namespace platform::services
