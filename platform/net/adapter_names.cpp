#include "net/adapter_names.h"

#include <cstdio>

namespace platform::net {

std::string adapter_guid(uint32_t index) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "{7A1C5E20-3B9D-4F60-8E24-%012X}", unsigned(index));
  return buffer;
}

std::string device_name(uint32_t index) { return "\\DEVICE\\TCPIP_" + adapter_guid(index); }

}  // namespace platform::net
