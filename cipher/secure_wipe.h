// Overwrites memory that held a secret, in a way the optimiser cannot drop as a dead store.
#pragma once

#include <stddef.h>

void SecureWipe(void* data, size_t size);
