// (declarations added by the area that implements them)
#pragma once

#include "types.h"
