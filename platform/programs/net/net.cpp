// net: starts and stops services by key or display name, with the messages of the Windows tool.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>

namespace {

constexpr int kFailed = 2;
constexpr DWORD kPollMs = 250;

int failure(const char* message, int helpmsg) {
  std::printf("%s\n\nMore help is available by typing NET HELPMSG %d.\n\n", message, helpmsg);
  return kFailed;
}

int usage() {
  std::printf("The syntax of this command is:\n\nNET\n    [ START | STOP ] service\n\n");
  return 1;
}

// The key name of the service `name` names (its key name or its display name).
bool key_name_of(SC_HANDLE manager, const std::string& name, std::string* key) {
  if (SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS)) {
    CloseServiceHandle(service);
    *key = name;
    return true;
  }
  char buffer[257];
  DWORD size = sizeof buffer;
  if (!GetServiceKeyNameA(manager, name.c_str(), buffer, &size)) return false;
  *key = buffer;
  return true;
}

std::string display_name(const std::string& key) {
  std::string path = "SYSTEM\\CurrentControlSet\\Services\\" + key;
  char buffer[512];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  HKEY h;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return key;
  LSTATUS status = RegQueryValueExA(h, "DisplayName", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(h);
  return status == ERROR_SUCCESS && type == REG_SZ && size > 1 ? std::string(buffer) : key;
}

// Polls the service while it is in `pending`; its state after that.
DWORD settle(SC_HANDLE service, DWORD pending) {
  SERVICE_STATUS status{};
  while (QueryServiceStatus(service, &status) && status.dwCurrentState == pending) Sleep(kPollMs);
  return status.dwCurrentState;
}

int start(SC_HANDLE service, const std::string& name) {
  if (!StartServiceA(service, 0, nullptr)) {
    if (GetLastError() == ERROR_SERVICE_ALREADY_RUNNING)
      return failure("The requested service has already been started.", 2182);
    std::printf("The %s service could not be started.\n\n", name.c_str());
    return failure(("System error " + std::to_string(GetLastError()) + " has occurred.").c_str(), 3547);
  }
  std::printf("The %s service is starting.\n", name.c_str());
  if (settle(service, SERVICE_START_PENDING) != SERVICE_RUNNING) {
    std::printf("The %s service could not be started.\n\n", name.c_str());
    return failure("The service did not report an error.", 3534);
  }
  std::printf("The %s service was started successfully.\n\n", name.c_str());
  return 0;
}

int stop(SC_HANDLE service, const std::string& name) {
  SERVICE_STATUS status{};
  if (!ControlService(service, SERVICE_CONTROL_STOP, &status)) {
    if (GetLastError() == ERROR_SERVICE_NOT_ACTIVE)
      return failure(("The " + name + " service is not started.").c_str(), 3521);
    return failure(("The " + name + " service could not be stopped.").c_str(), 2191);
  }
  std::printf("The %s service is stopping.\n", name.c_str());
  if (settle(service, SERVICE_STOP_PENDING) != SERVICE_STOPPED)
    return failure(("The " + name + " service could not be stopped.").c_str(), 2191);
  std::printf("The %s service was stopped successfully.\n\n", name.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  std::string verb = argv[1];
  for (char& c : verb) c = char(std::toupper(static_cast<unsigned char>(c)));
  if (verb != "START" && verb != "STOP") return usage();
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  std::string key;
  if (!manager || !key_name_of(manager, argv[2], &key)) return failure("The service name is invalid.", 2185);
  SC_HANDLE service = OpenServiceA(manager, key.c_str(), SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS);
  int code = verb == "START" ? start(service, display_name(key)) : stop(service, display_name(key));
  CloseServiceHandle(service);
  CloseServiceHandle(manager);
  return code;
}
