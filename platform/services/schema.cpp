// The service manager's table in the machine database, and the services every machine has.
#include "kernel/machine.h"
#include "kernel/schema.h"
#include "services/builtin_services.h"

namespace platform::services {
namespace {

void create_tables() {
  // Services: what each service last reported and the control waiting for its process.
  machine::exec(
      "CREATE TABLE IF NOT EXISTS svc_status("
      "  name TEXT PRIMARY KEY,"
      "  type INTEGER NOT NULL,"
      "  state INTEGER NOT NULL,"
      "  accepted INTEGER NOT NULL DEFAULT 0,"
      "  win32_exit INTEGER NOT NULL DEFAULT 0,"
      "  specific_exit INTEGER NOT NULL DEFAULT 0,"
      "  checkpoint INTEGER NOT NULL DEFAULT 0,"
      "  wait_hint INTEGER NOT NULL DEFAULT 0,"
      "  pid INTEGER NOT NULL DEFAULT 0,"
      "  connected INTEGER NOT NULL DEFAULT 0,"
      "  pending_control INTEGER NOT NULL DEFAULT 0,"
      "  control_seq INTEGER NOT NULL DEFAULT 0,"
      "  control_done INTEGER NOT NULL DEFAULT 0,"
      "  open_handles INTEGER NOT NULL DEFAULT 0,"
      "  marked INTEGER NOT NULL DEFAULT 0);");

  install_builtin_services();
}

// The services' keys lie under the registry's; the network world, later, sets Routing and
// Remote Access through the service manager.
const machine::CreationStep step(20, create_tables);

}  // namespace
}  // namespace platform::services
