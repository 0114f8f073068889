// The names Windows gives an interface besides its connection name: the adapter's GUID and the
// device name built from it.
#pragma once

#include <cstdint>
#include <string>

namespace platform::net {

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", the same for an index on every call.
std::string adapter_guid(uint32_t index);
// "\DEVICE\TCPIP_{...}".
std::string device_name(uint32_t index);

}  // namespace platform::net
