#include <windows.h>

#include "gdi/standard_icons.h"

#include "gdi/scaled_font.h"

namespace platform::gdi {
namespace {

constexpr Color kErrorRed{0xD8, 0x1E, 0x1E};
constexpr Color kInformationBlue{0x1E, 0x64, 0xC8};
constexpr Color kWarningYellow{0xF5, 0xC8, 0x1E};
constexpr Color kWhite = colors::kWindow;
constexpr Color kBlack = colors::kWindowText;

// IDI_xxx are resource names made from their ids.
template <typename Name>
uint16_t id_of(Name* name) {
  return uint16_t(reinterpret_cast<uintptr_t>(name));
}

void paint_error(Canvas& canvas, double x, double y) {
  canvas.circle(x + 16, y + 16, 15, kErrorRed);
  cairo_t* cr = canvas.context();
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  canvas.line(int(x) + 10, int(y) + 10, int(x) + 21, int(y) + 21, kWhite, 3.5);
  canvas.line(int(x) + 10, int(y) + 21, int(x) + 21, int(y) + 10, kWhite, 3.5);
  cairo_restore(cr);
}

void paint_information(Canvas& canvas, double x, double y) {
  canvas.circle(x + 16, y + 16, 15, kInformationBlue);
  canvas.circle(x + 16, y + 9, 2.5, kWhite);
  canvas.fill({int(x) + 14, int(y) + 13, 4, 12}, kWhite);
}

void paint_question(Canvas& canvas, double x, double y) {
  canvas.circle(x + 16, y + 16, 15, kInformationBlue);
  Font mark_font;
  mark_font.face = u"Arial";
  mark_font.height_px = 27;
  mark_font.weight = 700;
  ScaledFont mark(mark_font);
  int width = mark.advance(U'?');
  canvas.text(mark, int(x) + 16 - width / 2, int(y) + 3, u"?", kWhite);
}

void paint_warning(Canvas& canvas, double x, double y) {
  cairo_t* cr = canvas.context();
  auto triangle = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, x + 16, y + 1.5);
    cairo_line_to(cr, x + 31, y + 29.5);
    cairo_line_to(cr, x + 1, y + 29.5);
    cairo_close_path(cr);
  };
  triangle();
  canvas.fill_path(kWarningYellow);
  triangle();
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgb(cr, 0.55, 0.43, 0);
  cairo_stroke(cr);
  canvas.fill({int(x) + 14, int(y) + 9, 4, 12}, kBlack);
  canvas.fill({int(x) + 14, int(y) + 23, 4, 4}, kBlack);
}

}  // namespace

void paint_standard_icon(Canvas& canvas, int x, int y, uint16_t icon) {
  if (icon == id_of(IDI_HAND)) paint_error(canvas, x, y);
  else if (icon == id_of(IDI_ASTERISK)) paint_information(canvas, x, y);
  else if (icon == id_of(IDI_QUESTION)) paint_question(canvas, x, y);
  else if (icon == id_of(IDI_EXCLAMATION)) paint_warning(canvas, x, y);
}

}  // namespace platform::gdi
