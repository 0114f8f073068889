// The service database: each service is a key under HKLM\SYSTEM\CurrentControlSet\Services
// holding the values Windows keeps there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace platform::services {

struct Config {
  std::u16string key_name;  // as created
  DWORD type = SERVICE_WIN32_OWN_PROCESS;
  DWORD start = SERVICE_DEMAND_START;
  DWORD error_control = SERVICE_ERROR_NORMAL;
  std::u16string image_path;
  std::u16string display_name;
  std::u16string object_name = u"LocalSystem";
  std::vector<std::u16string> depend_on;
};

// The key name of the service called `name` (any case), as stored.
std::optional<std::u16string> find_service(std::u16string_view name);
// The key name of the service whose display name is `display_name` (any case).
std::optional<std::u16string> find_by_display_name(std::u16string_view display_name);
std::optional<Config> read_config(std::u16string_view key_name);
// Creates the key when needed and writes every value.
void write_config(const Config& config);
void remove_service_key(std::u16string_view key_name);
std::vector<std::u16string> service_names();

// A service without a program of its own (a part of the system): always running.
bool always_running(const Config& config);

}  // namespace platform::services
