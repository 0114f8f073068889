// winsim sc query: a service's status in the output format of the Windows sc tool.
#include <windows.h>

#include <cstdio>
#include <string>

#include "commands.h"
#include "machine_root.h"

namespace platform::tool {
namespace {

const char* state_name(DWORD state) {
  switch (state) {
    case SERVICE_STOPPED: return "STOPPED";
    case SERVICE_START_PENDING: return "START_PENDING";
    case SERVICE_STOP_PENDING: return "STOP_PENDING";
    case SERVICE_RUNNING: return "RUNNING";
    case SERVICE_CONTINUE_PENDING: return "CONTINUE_PENDING";
    case SERVICE_PAUSE_PENDING: return "PAUSE_PENDING";
    case SERVICE_PAUSED: return "PAUSED";
    default: return "";
  }
}

std::string type_name(DWORD type) {
  std::string name;
  // A service that reports both process bits is shown as sc shows it.
  if ((type & SERVICE_WIN32) == SERVICE_WIN32) name = "WIN32";
  else if (type & SERVICE_WIN32_OWN_PROCESS) name = "WIN32_OWN_PROCESS";
  else if (type & SERVICE_WIN32_SHARE_PROCESS) name = "WIN32_SHARE_PROCESS";
  else if (type & SERVICE_KERNEL_DRIVER) name = "KERNEL_DRIVER";
  else if (type & SERVICE_FILE_SYSTEM_DRIVER) name = "FILE_SYSTEM_DRIVER";
  if (type & SERVICE_INTERACTIVE_PROCESS) name += " (interactive)";
  return name;
}

void print_status(const std::string& name, const SERVICE_STATUS& s) {
  std::printf("\nSERVICE_NAME: %s\n", name.c_str());
  std::printf("        TYPE               : %x  %s\n", s.dwServiceType, type_name(s.dwServiceType).c_str());
  std::printf("        STATE              : %u  %s\n", s.dwCurrentState, state_name(s.dwCurrentState));
  if (s.dwCurrentState != SERVICE_STOPPED)
    std::printf("                                (%s, %s, %s)\n",
                s.dwControlsAccepted & SERVICE_ACCEPT_STOP ? "STOPPABLE" : "NOT_STOPPABLE",
                s.dwControlsAccepted & SERVICE_ACCEPT_PAUSE_CONTINUE ? "PAUSABLE" : "NOT_PAUSABLE",
                s.dwControlsAccepted & SERVICE_ACCEPT_SHUTDOWN ? "ACCEPTS_SHUTDOWN" : "IGNORES_SHUTDOWN");
  std::printf("        WIN32_EXIT_CODE    : %u  (0x%x)\n", s.dwWin32ExitCode, s.dwWin32ExitCode);
  std::printf("        SERVICE_EXIT_CODE  : %u  (0x%x)\n", s.dwServiceSpecificExitCode, s.dwServiceSpecificExitCode);
  std::printf("        CHECKPOINT         : 0x%x\n", s.dwCheckPoint);
  std::printf("        WAIT_HINT          : 0x%x\n", s.dwWaitHint);
}

}  // namespace

int sc_command(const Args& args) {
  if (args.size() != 2 || args[0] != "query") return fail("usage: winsim sc query NAME");
  if (!attach_machine()) return 1;
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  SC_HANDLE service = manager ? OpenServiceA(manager, args[1].c_str(), SERVICE_QUERY_STATUS) : nullptr;
  SERVICE_STATUS status{};
  bool ok = service && QueryServiceStatus(service, &status);
  DWORD error = ok ? 0 : GetLastError();
  if (service) CloseServiceHandle(service);
  if (manager) CloseServiceHandle(manager);
  if (!ok) {
    std::printf("[SC] EnumQueryServicesStatus:OpenService FAILED %u:\n\n", error);
    if (error == ERROR_SERVICE_DOES_NOT_EXIST)
      std::printf("The specified service does not exist as an installed service.\n\n");
    return 1;
  }
  print_status(args[1], status);
  return 0;
}

}  // namespace platform::tool
