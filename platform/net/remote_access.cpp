#include "net/remote_access.h"

namespace platform::net {
namespace {

RemoteAccessControl& attached() {
  static RemoteAccessControl control{};
  return control;
}

}  // namespace

void attach_remote_access(RemoteAccessControl control) { attached() = control; }

bool remote_access_running() { return attached().running && attached().running(); }

void set_remote_access(bool running) {
  if (attached().set) attached().set(running);
}

}  // namespace platform::net
