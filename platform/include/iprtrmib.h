// The tables of the IP helper.
#pragma once

#include "ipmib.h"
#include "ifmib.h"
