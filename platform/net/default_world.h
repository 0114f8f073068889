// The world a fresh machine starts with.
#pragma once

#include "machine/world.h"

namespace platform::net {

World default_world();
// Stores the default world in a machine that has none yet (machine creation).
void install_default_world();

}  // namespace platform::net
