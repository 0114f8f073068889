// GDI objects behind their handles: fonts, brushes, pens, bitmaps and device contexts, shared by
// every thread of the process. Stock objects and the window manager's own fonts are permanent:
// deleting them does nothing.
#pragma once

#include <windows.h>

#include <memory>

#include "gdi/font.h"
#include "gdi/surface.h"

namespace platform::gdi {

struct Object {
  explicit Object(DWORD object_type) : type(object_type) {}
  virtual ~Object() = default;
  const DWORD type;  // OBJ_FONT, OBJ_BRUSH, ...
};

struct FontObject final : Object {
  FontObject() : Object(OBJ_FONT) {}
  LOGFONTW log{};  // as created, for GetObject
  Font font;       // as the desktop draws it
};

struct BrushObject final : Object {
  BrushObject() : Object(OBJ_BRUSH) {}
  LOGBRUSH log{};
};

struct PenObject final : Object {
  PenObject() : Object(OBJ_PEN) {}
  LOGPEN log{};
};

struct BitmapObject final : Object {
  BitmapObject(int width, int height, int bits_per_pixel, Color fill)
      : Object(OBJ_BITMAP), bits_pixel(bits_per_pixel), surface(std::make_shared<Surface>(width, height, fill)) {}
  const int bits_pixel;  // what GetObject reports; the pixels themselves are always 24-bit
  const std::shared_ptr<Surface> surface;
};

namespace objects {

HGDIOBJ add(std::shared_ptr<Object> object, bool permanent = false);
std::shared_ptr<Object> find(HGDIOBJ handle);
template <class Kind>
std::shared_ptr<Kind> find_as(HGDIOBJ handle) {
  return std::dynamic_pointer_cast<Kind>(find(handle));
}
bool permanent(HGDIOBJ handle);
// Forgets the handle; false when it names no object. Permanent objects stay.
bool remove(HGDIOBJ handle);

}  // namespace objects

// Fonts between their logical form and the desktop's.
Font font_from_log(const LOGFONTW& log);
LOGFONTW log_from_font(const Font& font);
// A permanent font handle for `font`: the same font always gives the same handle.
HFONT permanent_font(const Font& font);
// The font behind a handle, or null.
std::shared_ptr<FontObject> font_object(HGDIOBJ handle);

// The 1x1 monochrome bitmap a memory DC starts with.
HBITMAP default_bitmap();

}  // namespace platform::gdi
