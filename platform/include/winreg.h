// Registry functions and constants.
#pragma once

#include "winsim/types.h"
