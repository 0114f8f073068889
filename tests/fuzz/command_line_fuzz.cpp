// libFuzzer target: the service's command line, run in one simulated machine with its real
// service control manager. The input's first byte sets the start: bit 0 installs the service
// beforehand, bits 1-2 give it that "GenerateLog" level, bit 3 leaves the level out. The rest,
// split at NUL bytes, is the argument vector after the program's name. A run may change only
// the service's own key; anything else it changes in the registry aborts.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "tarvolt_app.h"

namespace {

using fuzz_support::fail;

namespace fs = std::filesystem;

const char kServiceKeyUpper[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CURRENTCONTROLSET\\SERVICES\\HALVORN";
const size_t kMaxArguments = 512;

std::string g_registry_before;

// Every key (by its path), value name, type and data of the registry outside the service's
// key, as one text.
std::string registry_outside_service() {
  platform::machine::Statement s(
      "WITH RECURSIVE tree(id, path, path_upper) AS ("
      "  SELECT id, name, name_upper FROM reg_keys WHERE parent IS NULL"
      "  UNION ALL SELECT k.id, tree.path || '\\' || k.name, tree.path_upper || '\\' || k.name_upper"
      "  FROM reg_keys k JOIN tree ON k.parent = tree.id WHERE tree.path_upper != ?1)"
      " SELECT tree.path, coalesce(v.name, ''), coalesce(v.type, -1), coalesce(hex(v.data), '')"
      " FROM tree LEFT JOIN reg_values v ON v.key_id = tree.id WHERE tree.path_upper != ?1"
      " ORDER BY tree.path_upper, v.name_upper");
  s.bind(1, std::string(kServiceKeyUpper));
  std::string text;
  while (s.step())
    text += s.column_text(0) + '\t' + s.column_text(1) + '\t' + std::to_string(s.column_int(2)) + '\t' +
            s.column_text(3) + '\n';
  return text;
}

bool service_key_exists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The service removed, then installed again when the input asks for it.
void prepare_service(uint8_t start) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (!manager) fail("the service control manager does not open");
  if (SC_HANDLE service = OpenServiceA(manager, kServiceName, SERVICE_ALL_ACCESS)) {
    DeleteService(service);
    CloseServiceHandle(service);
  }
  // Nothing holds the service open or runs it: the deletion is complete.
  if (service_key_exists()) fail("the service's key outlived its deletion");
  if (start & 1) {
    SC_HANDLE service = CreateServiceA(manager, kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                       SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                       "C:\\Tarvolt\\tarvolt.exe", nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!service) fail("the service cannot be installed");
    CloseServiceHandle(service);
    if (!(start & 8)) {
      HKEY key = nullptr;
      if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        fail("the installed service has no key");
      BYTE level = BYTE((start >> 1) & 3);
      RegSetValueExA(key, "GenerateLog", 0, REG_BINARY, &level, 1);
      RegCloseKey(key);
    }
  }
  CloseServiceHandle(manager);
}

std::vector<std::string> split_arguments(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments{"C:\\Tarvolt\\tarvolt.exe"};
  if (size == 0) return arguments;
  arguments.emplace_back();
  for (size_t i = 0; i < size; ++i) {
    if (data[i] != 0) {
      arguments.back() += char(data[i]);
    } else if (arguments.size() < kMaxArguments) {
      arguments.emplace_back();
    } else {
      break;
    }
  }
  return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::make_machine("command-line-fuzz");
  g_registry_before = registry_outside_service();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One application object for the process, as in the program.
  static RV_TarvoltApp* app = new RV_TarvoltApp;
  if (size == 0) return 0;
  prepare_service(data[0]);
  std::vector<std::string> arguments = split_arguments(data + 1, size - 1);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  int saved_argc = __argc;
  char** saved_argv = __argv;
  __argc = int(arguments.size());
  __argv = pointers.data();
  app->HandleCommandLine();
  app->CloseLogger();
  __argc = saved_argc;
  __argv = saved_argv;

  std::string registry_after = registry_outside_service();
  if (registry_after != g_registry_before) {
    fprintf(stderr, "before:\n%s\nafter:\n%s\n", g_registry_before.c_str(), registry_after.c_str());
    fail("the command line changed the registry outside the service's key");
  }
  return 0;
}
