// CryptoAPI string conversion.
#pragma once

#include "winsim/types.h"
