#include "gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace platform::gdi {

Surface::Surface(int width, int height, Color fill)
    : width_(std::max(1, width)),
      height_(std::max(1, height)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)) {
  cairo_t* cr = cairo_create(surface_);
  cairo_set_source_rgb(cr, fill.r / 255.0, fill.g / 255.0, fill.b / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
}

Surface::~Surface() { cairo_surface_destroy(surface_); }

uint32_t* Surface::row(int y) const {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) +
                                     size_t(y) * size_t(cairo_image_surface_get_stride(surface_)));
}

void Surface::copy_from(const Surface& other) {
  other.flush();
  flush();
  int w = std::min(width_, other.width_);
  for (int y = 0; y < std::min(height_, other.height_); ++y) std::memcpy(row(y), other.row(y), size_t(w) * 4);
  changed();
}

bool Surface::write_png(const std::string& path) const {
  flush();
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform::gdi
