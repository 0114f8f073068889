#include "gdi/canvas.h"

#include <vector>

#include "gdi/region.h"
#include "gdi/surface.h"

namespace platform::gdi {

Canvas::Canvas(const Surface& surface) : cr_(cairo_create(surface.cairo())) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
}

Canvas::~Canvas() { cairo_destroy(cr_); }

void Canvas::set(Color c) { cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

void Canvas::fill(const Rect& r, Color c) {
  if (r.cx <= 0 || r.cy <= 0) return;
  set(c);
  cairo_rectangle(cr_, r.x, r.y, r.cx, r.cy);
  cairo_fill(cr_);
}

void Canvas::outline(const Rect& r, Color c) { edge(r, {c, c}); }

void Canvas::line(int x0, int y0, int x1, int y1, Color c, double width) {
  set(c);
  cairo_set_line_width(cr_, width);
  cairo_move_to(cr_, x0 + 0.5, y0 + 0.5);
  cairo_line_to(cr_, x1 + 0.5, y1 + 0.5);
  cairo_stroke(cr_);
}

void Canvas::edge(const Rect& r, EdgeColors colors) {
  fill({r.x, r.y, r.cx - 1, 1}, colors.top_left);
  fill({r.x, r.y, 1, r.cy - 1}, colors.top_left);
  fill({r.x, r.bottom() - 1, r.cx, 1}, colors.bottom_right);
  fill({r.right() - 1, r.y, 1, r.cy}, colors.bottom_right);
}

void Canvas::raised(const Rect& r) {
  edge(r, {colors::kLight, colors::kDarkShadow});
  edge(r.inset(1), {colors::kBtnHighlight, colors::kBtnShadow});
}

void Canvas::sunken(const Rect& r) {
  edge(r, {colors::kBtnShadow, colors::kBtnHighlight});
  edge(r.inset(1), {colors::kDarkShadow, colors::kLight});
}

void Canvas::etched(const Rect& r) {
  edge(r, {colors::kBtnShadow, colors::kBtnHighlight});
  edge(r.inset(1), {colors::kBtnHighlight, colors::kBtnShadow});
}

void Canvas::focus_rect(const Rect& r) {
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) fill({x, y, 1, 1}, colors::kWindowText);
  };
  for (int x = r.x; x < r.right(); ++x) {
    dot(x, r.y);
    dot(x, r.bottom() - 1);
  }
  for (int y = r.y; y < r.bottom(); ++y) {
    dot(r.x, y);
    dot(r.right() - 1, y);
  }
}

void Canvas::horizontal_gradient(const Rect& r, Color from, Color to) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(r.x, 0, r.right(), 0);
  cairo_pattern_add_color_stop_rgb(gradient, 0, from.r / 255.0, from.g / 255.0, from.b / 255.0);
  cairo_pattern_add_color_stop_rgb(gradient, 1, to.r / 255.0, to.g / 255.0, to.b / 255.0);
  cairo_set_source(cr_, gradient);
  cairo_rectangle(cr_, r.x, r.y, r.cx, r.cy);
  cairo_fill(cr_);
  cairo_pattern_destroy(gradient);
}

void Canvas::circle(double cx, double cy, double radius, Color c) {
  cairo_new_path(cr_);
  cairo_arc(cr_, cx, cy, radius, 0, 6.283185307179586);
  fill_path(c);
}

void Canvas::fill_path(Color c) {
  set(c);
  cairo_fill(cr_);
}

void Canvas::image(const Surface& picture, int x, int y) {
  picture.flush();
  cairo_set_source_surface(cr_, picture.cairo(), x, y);
  cairo_rectangle(cr_, x, y, picture.width(), picture.height());
  cairo_fill(cr_);
}

void Canvas::text(const ScaledFont& font, int x, int y, std::u16string_view line, Color c) {
  std::vector<PlacedGlyph> placed = font.place(line);
  if (placed.empty()) return;
  std::vector<cairo_glyph_t> glyphs;
  glyphs.reserve(placed.size());
  for (const PlacedGlyph& g : placed) glyphs.push_back({g.index, double(x + g.x), double(y + font.baseline())});
  set(c);
  cairo_set_font_face(cr_, font.file().cairo_face());
  cairo_set_font_size(cr_, font.pixels_per_em());
  cairo_show_glyphs(cr_, glyphs.data(), int(glyphs.size()));
  // The underline runs one pixel below the baseline, the text's width long.
  if (font.underline()) fill({x, y + font.baseline() + 1, font.width(line), 1}, c);
}

void Canvas::enter(const Rect& r) {
  clip(r);
  cairo_translate(cr_, r.x, r.y);
}

void Canvas::clip(const Rect& r) {
  cairo_save(cr_);
  cairo_rectangle(cr_, r.x, r.y, r.cx, r.cy);
  cairo_clip(cr_);
}

void Canvas::clip(const Region& region) {
  cairo_save(cr_);
  cairo_new_path(cr_);
  for (const Rect& r : region.rects()) cairo_rectangle(cr_, r.x, r.y, r.cx, r.cy);
  cairo_clip(cr_);
}

void Canvas::leave() { cairo_restore(cr_); }

void Canvas::translate(int dx, int dy) { cairo_translate(cr_, dx, dy); }

}  // namespace platform::gdi
