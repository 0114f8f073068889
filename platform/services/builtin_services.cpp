#include "services/builtin_services.h"

#include "services/service_db.h"

namespace winsim::services {

void install_builtin_services() {
  if (find_service(u"RpcSs")) return;
  Config rpc;
  rpc.key_name = u"RpcSs";
  rpc.display_name = u"Remote Procedure Call (RPC)";
  rpc.start = SERVICE_AUTO_START;
  rpc.object_name = u"NT AUTHORITY\\NetworkService";
  write_config(rpc);  // no program: a part of the system, always running
}

}  // namespace winsim::services
