// Pixels that GDI draws into: a window's surface or a bitmap's. 24-bit colour in cairo's RGB24
// layout (0x00RRGGBB per pixel).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "gdi/colors.h"

namespace platform::gdi {

class Surface {
 public:
  Surface(int width, int height, Color fill);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_surface_t* cairo() const { return surface_; }

  // Direct pixel access: flush cairo's drawing first, and mark the pixels changed afterwards.
  void flush() const { cairo_surface_flush(surface_); }
  void changed() const { cairo_surface_mark_dirty(surface_); }
  uint32_t* row(int y) const;

  // The other surface's pixels at the top left (a window that changed size keeps its picture).
  void copy_from(const Surface& other);
  bool write_png(const std::string& path) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
};

// Between COLORREF (0x00BBGGRR) and the surface's 0x00RRGGBB.
constexpr uint32_t pixel_of(uint32_t colorref) {
  return (colorref & 0xFF) << 16 | (colorref & 0xFF00) | (colorref >> 16 & 0xFF);
}
constexpr uint32_t colorref_of(uint32_t pixel) { return pixel_of(pixel); }
constexpr Color color_of(uint32_t colorref) {
  return {uint8_t(colorref & 0xFF), uint8_t(colorref >> 8 & 0xFF), uint8_t(colorref >> 16 & 0xFF)};
}

}  // namespace platform::gdi
