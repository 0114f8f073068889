#include "services/service_db.h"

#include <cstring>

#include "kernel/machine.h"
#include "kernel/text.h"
#include "registry/store.h"

namespace platform::services {
namespace {

using registry::KeyId;

KeyId services_key() {
  if (auto key = registry::find_path(registry::kLocalMachine, {u"SYSTEM", u"CurrentControlSet", u"Services"}))
    return *key;
  KeyId key = registry::kLocalMachine;
  for (const char16_t* name : {u"SYSTEM", u"CurrentControlSet", u"Services"}) {
    auto sub = registry::find_subkey(key, name);
    key = sub ? *sub : registry::add_subkey(key, name);
  }
  return key;
}

std::string string_data(const std::u16string& s) {
  std::string data;
  for (char16_t c : s) data.append({char(c & 0xff), char(c >> 8)});
  data.append(2, '\0');
  return data;
}

std::string multi_string_data(const std::vector<std::u16string>& strings) {
  std::string data;
  for (const std::u16string& s : strings) data += string_data(s);
  data.append(2, '\0');
  return data;
}

std::string dword_data(DWORD value) {
  uint32_t v = uint32_t(value);
  return std::string(reinterpret_cast<const char*>(&v), 4);
}

std::vector<std::u16string> strings_of(const std::string& data) {
  std::vector<std::u16string> strings(1);
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    char16_t c = char16_t(uint8_t(data[i]) | uint8_t(data[i + 1]) << 8);
    if (c) strings.back() += c;
    else if (strings.back().empty()) break;
    else strings.emplace_back();
  }
  if (strings.back().empty()) strings.pop_back();
  return strings;
}

std::u16string string_value(KeyId key, std::u16string_view name) {
  auto value = registry::find_value(key, name);
  if (!value) return u"";
  auto strings = strings_of(value->data);
  return strings.empty() ? u"" : strings.front();
}

DWORD dword_value(KeyId key, std::u16string_view name, DWORD fallback) {
  auto value = registry::find_value(key, name);
  if (!value || value->data.size() < 4) return fallback;
  uint32_t v;
  std::memcpy(&v, value->data.data(), 4);
  return v;
}

}  // namespace

std::optional<std::u16string> find_service(std::u16string_view name) {
  for (const std::u16string& key : registry::subkey_names(services_key()))
    if (text::iequals(key, name)) return key;
  return std::nullopt;
}

std::optional<std::u16string> find_by_display_name(std::u16string_view display_name) {
  for (const std::u16string& key : service_names())
    if (auto config = read_config(key); config && text::iequals(config->display_name, display_name)) return key;
  return std::nullopt;
}

std::vector<std::u16string> service_names() { return registry::subkey_names(services_key()); }

std::optional<Config> read_config(std::u16string_view key_name) {
  auto key = registry::find_subkey(services_key(), key_name);
  if (!key) return std::nullopt;
  Config config;
  config.key_name = *find_service(key_name);
  config.type = dword_value(*key, u"Type", SERVICE_WIN32_OWN_PROCESS);
  config.start = dword_value(*key, u"Start", SERVICE_DEMAND_START);
  config.error_control = dword_value(*key, u"ErrorControl", SERVICE_ERROR_NORMAL);
  config.image_path = string_value(*key, u"ImagePath");
  config.display_name = string_value(*key, u"DisplayName");
  if (config.display_name.empty()) config.display_name = config.key_name;
  config.object_name = string_value(*key, u"ObjectName");
  if (auto depend = registry::find_value(*key, u"DependOnService")) config.depend_on = strings_of(depend->data);
  return config;
}

void write_config(const Config& config) {
  machine::Transaction scope;
  KeyId parent = services_key();
  auto existing = registry::find_subkey(parent, config.key_name);
  KeyId key = existing ? *existing : registry::add_subkey(parent, config.key_name);
  registry::set_value(key, u"Type", REG_DWORD, dword_data(config.type));
  registry::set_value(key, u"Start", REG_DWORD, dword_data(config.start));
  registry::set_value(key, u"ErrorControl", REG_DWORD, dword_data(config.error_control));
  registry::set_value(key, u"ImagePath", REG_EXPAND_SZ, string_data(config.image_path));
  registry::set_value(key, u"DisplayName", REG_SZ, string_data(config.display_name));
  registry::set_value(key, u"ObjectName", REG_SZ, string_data(config.object_name));
  if (config.depend_on.empty())
    registry::remove_value(key, u"DependOnService");
  else
    registry::set_value(key, u"DependOnService", REG_MULTI_SZ, multi_string_data(config.depend_on));
  scope.commit();
}

void remove_service_key(std::u16string_view key_name) {
  if (auto key = registry::find_subkey(services_key(), key_name)) registry::remove_key(*key);
}

bool always_running(const Config& config) { return config.image_path.empty(); }

}  // namespace platform::services
