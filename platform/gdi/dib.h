// Device-independent bitmaps as resources and .bmp files hold them: a BITMAPINFOHEADER, its
// colour table, then the rows bottom-up (top-down for a negative height), each padded to 4 bytes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace platform::gdi {

// A bitmap object made from a packed DIB; null when the data is not one this desktop reads
// (1, 4, 8, 24 and 32 bits a pixel, uncompressed).
HBITMAP bitmap_from_packed_dib(const uint8_t* data, size_t size);

}  // namespace platform::gdi
