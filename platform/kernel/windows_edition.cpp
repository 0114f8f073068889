#include "kernel/windows_edition.h"

#include <cstdlib>

#include "kernel/machine.h"

namespace platform::edition {
namespace {

DWORD number(const std::string& key, DWORD fallback) {
  std::string value = machine::config(key);
  if (value.empty()) return fallback;
  return DWORD(std::strtoul(value.c_str(), nullptr, 10));
}

BYTE product_type(const std::string& name) {
  if (name == "server") return VER_NT_SERVER;
  if (name == "domain_controller") return VER_NT_DOMAIN_CONTROLLER;
  return VER_NT_WORKSTATION;
}

}  // namespace

Edition current() {
  Edition e;
  std::string version = machine::config("windows_version");
  if (!version.empty()) {
    char* end = nullptr;
    e.major = DWORD(std::strtoul(version.c_str(), &end, 10));
    e.minor = *end == '.' ? DWORD(std::strtoul(end + 1, nullptr, 10)) : 0;
  }
  e.build = number("windows_build", e.build);
  e.service_pack = WORD(number("windows_service_pack", e.service_pack));
  e.product_type = product_type(machine::config("windows_product_type", "workstation"));
  e.server_r2 = number("windows_server_r2", 0) != 0;
  return e;
}

}  // namespace platform::edition
