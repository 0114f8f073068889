// The variable that tells a process the manager started it as the service it names.
#pragma once

namespace platform::services {

constexpr const char* kServiceVariable = "WINSIM_SERVICE";

}  // namespace platform::services
