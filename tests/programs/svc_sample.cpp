// A service for the service tests. It runs until stopped, accepts stop, pause and continue, and
// answers an interrogation with its status. As its first argument:
//   exit      ends at once, never reaching the dispatcher
//   slowstart reports START_PENDING for a while before running
// Without a dispatcher connection it prints the dispatcher's error and exits with 1.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

SERVICE_STATUS_HANDLE g_handle;
SERVICE_STATUS g_status{SERVICE_WIN32_OWN_PROCESS, SERVICE_START_PENDING, 0, 0, 0, 0, 3000};
HANDLE g_stop;
bool g_slow_start = false;

void report(DWORD state) {
  g_status.dwCurrentState = state;
  g_status.dwControlsAccepted =
      state == SERVICE_START_PENDING || state == SERVICE_STOPPED ? 0 : SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE;
  SetServiceStatus(g_handle, &g_status);
}

void WINAPI handler(DWORD control) {
  switch (control) {
    case SERVICE_CONTROL_STOP:
      report(SERVICE_STOP_PENDING);
      SetEvent(g_stop);
      break;
    case SERVICE_CONTROL_PAUSE: report(SERVICE_PAUSED); break;
    case SERVICE_CONTROL_CONTINUE: report(SERVICE_RUNNING); break;
    default: report(g_status.dwCurrentState); break;
  }
}

void WINAPI service_main(DWORD, LPSTR* argv) {
  g_handle = RegisterServiceCtrlHandlerA(argv[0], handler);
  g_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  report(SERVICE_START_PENDING);
  if (g_slow_start) {
    for (DWORD i = 1; i <= 3; ++i) {
      Sleep(100);
      g_status.dwCheckPoint = i;
      report(SERVICE_START_PENDING);
    }
    g_status.dwCheckPoint = 0;
  }
  report(SERVICE_RUNNING);
  WaitForSingleObject(g_stop, INFINITE);
  g_status.dwWin32ExitCode = 0;
  report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "exit") == 0) return 3;
  g_slow_start = argc > 1 && std::strcmp(argv[1], "slowstart") == 0;
  char name[] = "";
  SERVICE_TABLE_ENTRYA table[] = {{name, service_main}, {nullptr, nullptr}};
  if (!StartServiceCtrlDispatcherA(table)) {
    std::printf("%u\n", GetLastError());
    return 1;
  }
  return 0;
}
