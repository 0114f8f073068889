// winsim boot: starts every automatic service of the machine, as Windows does when it starts.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "kernel/text.h"
#include "machine_root.h"
#include "services/service_db.h"

namespace platform::tool {

int boot_command(const Args& args) {
  if (!args.empty()) return fail("usage: winsim boot");
  if (!attach_machine()) return 1;
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  int code = 0;
  for (const std::u16string& name : services::service_names()) {
    auto config = services::read_config(name);
    if (!config || config->start != SERVICE_AUTO_START || services::always_running(*config)) continue;
    std::string ansi = text::to_ansi(name);
    SC_HANDLE service = OpenServiceA(manager, ansi.c_str(), SERVICE_START);
    if (service && StartServiceA(service, 0, nullptr)) {
      std::printf("%s started\n", ansi.c_str());
    } else if (GetLastError() != ERROR_SERVICE_ALREADY_RUNNING) {
      std::fprintf(stderr, "winsim: %s could not be started: error %u\n", ansi.c_str(), GetLastError());
      code = 1;
    }
    if (service) CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
  return code;
}

}  // namespace platform::tool
