// Routing and Remote Access runs or not as the network world says, but its state is the service
// manager's: the services area attaches how to read and set it (before main). Without it the
// world's remote access reads as stopped and setting it does nothing.
#pragma once

namespace platform::net {

struct RemoteAccessControl {
  bool (*running)();
  void (*set)(bool running);
};
void attach_remote_access(RemoteAccessControl control);

bool remote_access_running();
void set_remote_access(bool running);

}  // namespace platform::net
