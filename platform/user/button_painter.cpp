// Push buttons, check boxes, radio buttons and group boxes in the classic look.
#include <windows.h>

#include "gdi/label.h"
#include "user/painters.h"
#include "gdi/scaled_font.h"

namespace platform::user {

using namespace gdi;
namespace {

constexpr int kCheckBox = 13;  // SM_CXMENUCHECK
constexpr int kCheckGap = 4;   // between the box and the text

Align horizontal(uint32_t style, Align fallback) {
  switch (style & BS_CENTER) {
    case BS_LEFT: return Align::left;
    case BS_RIGHT: return Align::right;
    case BS_CENTER: return Align::center;
    default: return fallback;
  }
}

void paint_push(Canvas& canvas, const Node& node, Rect r) {
  canvas.fill(r, colors::kBtnFace);
  if (node.default_button || (node.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
    canvas.outline(r, colors::kWindowText);
    r = r.inset(1);
  }
  canvas.raised(r);
  LabelLayout layout{horizontal(node.style, Align::center), true, bool(node.style & BS_MULTILINE), true};
  paint_label(canvas, node.font, r.inset(3), node.text, layout, node.enabled);
  if (node.focused) canvas.focus_rect(r.inset(3));
}

void paint_check_mark(Canvas& canvas, const Rect& box, Color color) {
  cairo_t* cr = canvas.context();
  cairo_new_path(cr);
  cairo_move_to(cr, box.x + 3, box.y + 6);
  cairo_line_to(cr, box.x + 5.5, box.y + 8.5);
  cairo_line_to(cr, box.x + 10, box.y + 3.5);
  cairo_line_to(cr, box.x + 10, box.y + 5.5);
  cairo_line_to(cr, box.x + 5.5, box.y + 10.5);
  cairo_line_to(cr, box.x + 3, box.y + 8);
  cairo_close_path(cr);
  canvas.fill_path(color);
}

void paint_check(Canvas& canvas, const Node& node, const Rect& r, bool radio) {
  if (node.background) canvas.fill(r, *node.background);
  bool box_right = node.style & BS_LEFTTEXT;
  Rect box{box_right ? r.right() - kCheckBox : r.x, r.y + (r.cy - kCheckBox) / 2, kCheckBox, kCheckBox};
  Color interior = node.enabled ? colors::kWindow : colors::kBtnFace;
  Color mark = node.enabled ? colors::kWindowText : colors::kGrayText;
  if (radio) {
    double cx = box.x + 6.5, cy = box.y + 6.5;
    canvas.circle(cx, cy, 6, colors::kBtnShadow);
    canvas.circle(cx, cy, 5, interior);
    if (node.check == BST_CHECKED) canvas.circle(cx, cy, 2.5, mark);
  } else {
    canvas.sunken(box);
    canvas.fill(box.inset(2), node.check == BST_INDETERMINATE ? colors::kLight : interior);
    if (node.check == BST_CHECKED || node.check == BST_INDETERMINATE) paint_check_mark(canvas, box, mark);
  }
  Rect text{box_right ? r.x : r.x + kCheckBox + kCheckGap, r.y, r.cx - kCheckBox - kCheckGap, r.cy};
  LabelLayout layout{horizontal(node.style, Align::left), true, bool(node.style & BS_MULTILINE), true};
  Rect drawn = paint_label(canvas, node.font, text, node.text, layout, node.enabled, node.text_color);
  if (node.focused && drawn.cx > 0) canvas.focus_rect({drawn.x - 1, drawn.y, drawn.cx + 2, drawn.cy});
}

// The box's inside is left to what lies beneath; the caption stands on the background brush.
void paint_group(Canvas& canvas, const Node& node, const Rect& r) {
  int cell = ScaledFont(node.font).cell_height();
  canvas.etched({r.x, r.y + cell / 2, r.cx, r.cy - cell / 2});
  if (node.text.empty()) return;
  int width = measure_line(node.font, strip_prefix(node.text)).cx;
  canvas.fill({r.x + 6, r.y, width + 4, cell}, node.background.value_or(colors::kBtnFace));
  paint_label(canvas, node.font, {r.x + 8, r.y, width, cell}, node.text, LabelLayout{}, node.enabled, node.text_color);
}

}  // namespace

void paint_button(Canvas& canvas, const Node& node, const Rect& client) {
  switch (node.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return paint_check(canvas, node, client, false);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return paint_check(canvas, node, client, true);
    case BS_GROUPBOX: return paint_group(canvas, node, client);
    default: return paint_push(canvas, node, client);
  }
}

}  // namespace platform::user
