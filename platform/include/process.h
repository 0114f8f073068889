// The C runtime's thread functions.
#pragma once

#include "winsim/types.h"
