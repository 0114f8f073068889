// The services every machine comes with.
#pragma once

namespace winsim::services {

void install_builtin_services();

}  // namespace winsim::services
