// The variable that tells a process the manager started it as the service it names.
#pragma once

namespace winsim::services {

constexpr const char* kServiceVariable = "WINSIM_SERVICE";

}  // namespace winsim::services
