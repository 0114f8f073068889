#include "gdi/dib.h"

#include <cstring>
#include <cstdlib>

#include "gdi/objects.h"

namespace platform::gdi {
namespace {

// The colour of pixel x in a row of `bits`-bit pixels.
uint32_t pixel_at(const uint8_t* row, int x, int bits, const std::vector<uint32_t>& palette) {
  auto from_palette = [&](uint32_t index) { return index < palette.size() ? palette[index] : 0u; };
  switch (bits) {
    case 1: return from_palette(row[x / 8] >> (7 - x % 8) & 1);
    case 4: return from_palette(row[x / 2] >> (x % 2 ? 0 : 4) & 0xF);
    case 8: return from_palette(row[x]);
    case 24: return uint32_t(row[3 * x + 2]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x];
    default:
      return uint32_t(row[4 * x + 3]) << 24 | uint32_t(row[4 * x + 2]) << 16 | uint32_t(row[4 * x + 1]) << 8 |
             row[4 * x];
  }
}

}  // namespace

std::optional<DibPixels> read_packed_dib(const uint8_t* data, size_t size, bool icon) {
  BITMAPINFOHEADER header;
  if (!data || size < sizeof header) return std::nullopt;
  std::memcpy(&header, data, sizeof header);
  int bits = header.biBitCount;
  bool known_bits = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  if (header.biSize < sizeof header || header.biSize > size || !known_bits || header.biCompression != BI_RGB ||
      header.biWidth <= 0 || header.biHeight == 0 || (icon && header.biHeight < 2))
    return std::nullopt;
  DibPixels out;
  out.width = header.biWidth;
  out.height = icon ? header.biHeight / 2 : std::abs(header.biHeight);
  out.bits = bits;
  size_t colors = bits <= 8 ? (header.biClrUsed ? header.biClrUsed : size_t(1) << bits) : header.biClrUsed;
  size_t pixels_at = header.biSize + colors * 4;
  size_t stride = (size_t(out.width) * size_t(bits) + 31) / 32 * 4;
  if (pixels_at > size || stride * size_t(out.height) > size - pixels_at) return std::nullopt;

  std::vector<uint32_t> palette;
  for (size_t i = 0; i < colors && bits <= 8; ++i) {
    const uint8_t* q = data + header.biSize + 4 * i;  // RGBQUAD: blue, green, red, reserved
    palette.push_back(uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0]);
  }
  out.pixels.resize(size_t(out.width) * size_t(out.height));
  for (int y = 0; y < out.height; ++y) {
    int stored = header.biHeight > 0 ? out.height - 1 - y : y;
    const uint8_t* row = data + pixels_at + stride * size_t(stored);
    for (int x = 0; x < out.width; ++x) out.pixels[size_t(y) * size_t(out.width) + size_t(x)] = pixel_at(row, x, bits, palette);
  }
  out.end = pixels_at + stride * size_t(out.height);
  return out;
}

HBITMAP bitmap_from_packed_dib(const uint8_t* data, size_t size) {
  std::optional<DibPixels> dib = read_packed_dib(data, size, false);
  if (!dib) return nullptr;
  auto bitmap = std::make_shared<BitmapObject>(dib->width, dib->height, dib->bits, Color{0, 0, 0});
  Surface& surface = *bitmap->surface;
  surface.flush();
  for (int y = 0; y < dib->height; ++y) {
    uint32_t* out = surface.row(y);
    for (int x = 0; x < dib->width; ++x) out[x] = dib->pixels[size_t(y) * size_t(dib->width) + size_t(x)] & 0xFFFFFF;
  }
  surface.changed();
  return static_cast<HBITMAP>(objects::add(bitmap));
}

}  // namespace platform::gdi
