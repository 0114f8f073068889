// winsim ras add NAME ...: the arguments after "add".
#pragma once

#include "commands.h"

namespace platform::tool {

int ras_add(const Args& args);

}  // namespace platform::tool
