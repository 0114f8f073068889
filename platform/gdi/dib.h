// Device-independent bitmaps as resources and .bmp files hold them: a BITMAPINFOHEADER, its
// colour table, then the rows bottom-up (top-down for a negative height), each padded to 4 bytes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform::gdi {

// The picture of a packed DIB (1, 4, 8, 24 and 32 bits a pixel, uncompressed): the pixels top
// row first as 0xAARRGGBB (the alpha byte only from 32-bit data, else 0), and the offset just
// past the pixel rows. An icon's DIB stores twice its height: the colour rows, then its mask.
struct DibPixels {
  int width = 0;
  int height = 0;
  int bits = 0;
  std::vector<uint32_t> pixels;
  size_t end = 0;
};
std::optional<DibPixels> read_packed_dib(const uint8_t* data, size_t size, bool icon);

// A bitmap object made from a packed DIB; null when the data is not one this desktop reads.
HBITMAP bitmap_from_packed_dib(const uint8_t* data, size_t size);

}  // namespace platform::gdi
