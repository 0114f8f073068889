// A PNG the desktop wrote, read back pixel by pixel.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace testing_support {

struct Pixel {
  int r, g, b;
  int lightness() const { return (r + g + b) / 3; }
  bool operator==(const Pixel&) const = default;
};

class Png {
 public:
  explicit Png(const std::string& path) : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Png() { cairo_surface_destroy(surface_); }
  bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  Pixel at(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    uint32_t v;
    memcpy(&v, row + 4 * x, 4);
    return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
  }
  // The darkest lightness in a rectangle: where text is, its colour.
  int darkest(int x, int y, int cx, int cy) const {
    int least = 255;
    for (int j = y; j < y + cy; ++j)
      for (int i = x; i < x + cx; ++i) least = std::min(least, at(i, j).lightness());
    return least;
  }
  double variance() const {
    double sum = 0, squares = 0, n = double(width()) * height();
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) {
        double l = at(x, y).lightness();
        sum += l;
        squares += l * l;
      }
    return squares / n - (sum / n) * (sum / n);
  }

 private:
  cairo_surface_t* surface_;
};

}  // namespace testing_support
