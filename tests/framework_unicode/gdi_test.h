// Resource ids of the GDI wrappers' tests.
#pragma once

#define IDB_HALVES 4501  // 6 by 4: the left half red, the right half blue
