#include "services/builtin_services.h"

#include "net/remote_access.h"
#include "services/service_db.h"
#include "services/status_table.h"

namespace platform::services {
namespace {

constexpr char16_t kRemoteAccess[] = u"RemoteAccess";

}  // namespace

void install_builtin_services() {
  if (find_service(u"RpcSs")) return;
  Config rpc;
  rpc.key_name = u"RpcSs";
  rpc.display_name = u"Remote Procedure Call (RPC)";
  rpc.start = SERVICE_AUTO_START;
  rpc.object_name = u"NT AUTHORITY\\NetworkService";
  write_config(rpc);  // no program: a part of the system, always running
}

// No program either: the network world sets its state (at machine creation too), and it takes
// no controls.
void set_remote_access(bool running) {
  Config config;
  config.key_name = kRemoteAccess;
  config.display_name = u"Routing and Remote Access";
  config.type = SERVICE_WIN32_SHARE_PROCESS;
  config.start = running ? SERVICE_AUTO_START : SERVICE_DISABLED;
  config.depend_on = {u"RpcSs"};
  write_config(config);
  load_status(kRemoteAccess);
  store_reported(kRemoteAccess, {SERVICE_WIN32_SHARE_PROCESS, DWORD(running ? SERVICE_RUNNING : SERVICE_STOPPED), 0, 0, 0, 0, 0});
}

bool remote_access_running() { return load_status(kRemoteAccess).status.dwCurrentState == SERVICE_RUNNING; }

namespace {

const bool attached = (net::attach_remote_access({remote_access_running, set_remote_access}), true);

}  // namespace

}  // namespace platform::services
