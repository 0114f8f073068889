// winsim ras add NAME ...: the arguments after "add".
#pragma once

#include "commands.h"

namespace winsim::tool {

int ras_add(const Args& args);

}  // namespace winsim::tool
