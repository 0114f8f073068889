#include "gdi/icon_image.h"

#include <algorithm>
#include <cstring>

#include "gdi/dib.h"

namespace platform::gdi {
namespace {

constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Reader {
  const uint8_t* at;
  size_t left;
};

cairo_status_t read_bytes(void* closure, unsigned char* out, unsigned int length) {
  auto* r = static_cast<Reader*>(closure);
  if (length > r->left) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, r->at, length);
  r->at += length;
  r->left -= length;
  return CAIRO_STATUS_SUCCESS;
}

// PNG images come with their alpha; a PNG without one is opaque.
cairo_surface_t* from_png(const uint8_t* data, size_t size) {
  Reader reader{data, size};
  cairo_surface_t* png = cairo_image_surface_create_from_png_stream(read_bytes, &reader);
  if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(png);
    return nullptr;
  }
  if (cairo_image_surface_get_format(png) == CAIRO_FORMAT_ARGB32) return png;
  cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(png),
                                                     cairo_image_surface_get_height(png));
  cairo_t* cr = cairo_create(argb);
  cairo_set_source_surface(cr, png, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(png);
  return argb;
}

// The AND mask's bit for pixel (x, y), top row first: 1 where the icon is transparent. A mask
// cut short leaves the pixel opaque.
bool masked(const uint8_t* mask, size_t mask_size, int width, int height, int x, int y) {
  size_t stride = (size_t(width) + 31) / 32 * 4;
  size_t at = stride * size_t(height - 1 - y) + size_t(x) / 8;
  return at < mask_size && (mask[at] >> (7 - x % 8) & 1);
}

// A 32-bit image with any alpha carries its transparency there; others in the AND mask.
cairo_surface_t* from_dib(const uint8_t* data, size_t size) {
  std::optional<DibPixels> dib = read_packed_dib(data, size, true);
  if (!dib) return nullptr;
  bool alpha = dib->bits == 32 && std::any_of(dib->pixels.begin(), dib->pixels.end(), [](uint32_t p) { return p >> 24; });
  const uint8_t* mask = data + dib->end;
  size_t mask_size = size - dib->end;
  cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, dib->width, dib->height);
  cairo_surface_flush(argb);
  unsigned char* bytes = cairo_image_surface_get_data(argb);
  int stride = cairo_image_surface_get_stride(argb);
  for (int y = 0; y < dib->height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(bytes + size_t(y) * size_t(stride));
    for (int x = 0; x < dib->width; ++x) {
      uint32_t p = dib->pixels[size_t(y) * size_t(dib->width) + size_t(x)];
      uint32_t a = alpha ? p >> 24 : masked(mask, mask_size, dib->width, dib->height, x, y) ? 0u : 255u;
      auto channel = [&](int shift) { return ((p >> shift & 0xFF) * a + 127) / 255 << shift; };
      row[x] = a << 24 | channel(16) | channel(8) | channel(0);
    }
  }
  cairo_surface_mark_dirty(argb);
  return argb;
}

}  // namespace

IconImage::IconImage(cairo_surface_t* argb) : surface_(argb) {}
IconImage::~IconImage() { cairo_surface_destroy(surface_); }

std::shared_ptr<const IconImage> decode_icon(const uint8_t* data, size_t size) {
  if (!data) return nullptr;
  bool png = size >= sizeof kPngSignature && std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0;
  cairo_surface_t* argb = png ? from_png(data, size) : from_dib(data, size);
  return argb ? std::make_shared<const IconImage>(argb) : nullptr;
}

void paint_icon(Canvas& canvas, const IconImage& icon, const Rect& at) {
  if (at.cx <= 0 || at.cy <= 0) return;
  cairo_t* cr = canvas.context();
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_scale(cr, double(at.cx) / icon.width(), double(at.cy) / icon.height());
  cairo_set_source_surface(cr, icon.cairo(), 0, 0);
  // Scaled down (the big icon in a caption) it is smoothed; at its size each pixel stays put.
  cairo_pattern_set_filter(cairo_get_source(cr), at.cx == icon.width() ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace platform::gdi
