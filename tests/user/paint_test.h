// Resource ids of paint_test.rc.
#pragma once

#define IDB_PAINT_24 401
#define IDB_PAINT_8 402
#define IDB_PAINT_4 403
