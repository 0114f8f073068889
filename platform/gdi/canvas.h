// A cairo drawing surface with the few primitives the classic look is built from: filled and
// outlined rectangles, 3D edges, dotted focus rectangles and text placed glyph by glyph.
#pragma once

#include <cairo.h>

#include <string_view>

#include "gdi/colors.h"
#include "gdi/scaled_font.h"

namespace platform::gdi {

struct Rect {
  int x = 0, y = 0, cx = 0, cy = 0;
  Rect inset(int by) const { return {x + by, y + by, cx - 2 * by, cy - 2 * by}; }
  int right() const { return x + cx; }
  int bottom() const { return y + cy; }
};

// The two lines of one side of a 3D edge: top-left colour, bottom-right colour.
struct EdgeColors {
  Color top_left;
  Color bottom_right;
};

class Surface;
class Region;

// Draws on a surface it does not own; the surface outlives it.
class Canvas {
 public:
  explicit Canvas(const Surface& surface);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void fill(const Rect& r, Color c);
  void outline(const Rect& r, Color c);  // a 1-pixel frame just inside r
  void line(int x0, int y0, int x1, int y1, Color c, double width = 1);
  // One ring of a 3D edge just inside r.
  void edge(const Rect& r, EdgeColors colors);
  void raised(const Rect& r);  // two rings as a push button or window frame (EDGE_RAISED)
  void sunken(const Rect& r);  // two rings as a client edge (EDGE_SUNKEN)
  void etched(const Rect& r);  // EDGE_ETCHED
  void focus_rect(const Rect& r);  // DrawFocusRect's dotted frame
  void horizontal_gradient(const Rect& r, Color from, Color to);
  void circle(double cx, double cy, double radius, Color c);
  void fill_path(Color c);  // fills the path built on context()

  // A surface's pixels with their top left at (x, y).
  void image(const Surface& picture, int x, int y);
  // One line of text with its cell's top left at (x, y).
  void text(const ScaledFont& font, int x, int y, std::u16string_view line, Color c);

  // Drawing is limited to r until the matching leave; enter also moves the origin to r's top left.
  void enter(const Rect& r);
  void clip(const Rect& r);
  void clip(const Region& region);  // until the matching leave, like clip(Rect)
  void leave();
  void translate(int dx, int dy);  // for the rest of the canvas's life

  cairo_t* context() { return cr_; }

 private:
  void set(Color c);

  cairo_t* cr_;
};

}  // namespace platform::gdi
