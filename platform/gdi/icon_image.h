// The picture of an icon: premultiplied ARGB pixels that draw with their transparency, decoded
// from the images an icon resource holds (a DIB with its AND mask, 32-bit with alpha, or PNG).
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "gdi/canvas.h"

namespace platform::gdi {

class IconImage {
 public:
  explicit IconImage(cairo_surface_t* argb);  // takes the surface over
  ~IconImage();
  IconImage(const IconImage&) = delete;
  IconImage& operator=(const IconImage&) = delete;

  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  cairo_surface_t* cairo() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

// The bytes of one RT_ICON resource (or of one image of an .ico file); null when unreadable.
std::shared_ptr<const IconImage> decode_icon(const uint8_t* data, size_t size);
// Draws the icon scaled into `at`, over what is there.
void paint_icon(Canvas& canvas, const IconImage& icon, const Rect& at);

}  // namespace platform::gdi
