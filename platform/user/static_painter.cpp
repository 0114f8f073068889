// Static controls: their background brush, then text by alignment, the standard icons, bitmaps,
// rectangles, frames and etched lines.
#include <windows.h>

#include "gdi/icon_image.h"
#include "gdi/label.h"
#include "gdi/standard_icons.h"
#include "gdi/surface.h"
#include "user/painters.h"

namespace platform::user {

using namespace gdi;
namespace {

constexpr int kIconSize = 32;  // SM_CXICON

void paint_text(Canvas& canvas, const Node& node, const Rect& client, uint32_t type) {
  LabelLayout layout;
  layout.align = type == SS_CENTER ? Align::center : type == SS_RIGHT ? Align::right : Align::left;
  layout.wrap = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  layout.vertical_center = node.style & SS_CENTERIMAGE;
  layout.prefix = !(node.style & SS_NOPREFIX);
  paint_label(canvas, node.font, client, node.text, layout, node.enabled, node.text_color);
}

// An image at the top left, or centred with SS_CENTERIMAGE.
Rect image_box(const Node& node, const Rect& client, int cx, int cy) {
  bool centred = node.style & SS_CENTERIMAGE;
  return {centred ? (client.cx - cx) / 2 : 0, centred ? (client.cy - cy) / 2 : 0, cx, cy};
}

void paint_icon_static(Canvas& canvas, const Node& node, const Rect& client) {
  Rect box = image_box(node, client, kIconSize, kIconSize);
  if (node.picture) paint_icon(canvas, *node.picture, box);
  else paint_standard_icon(canvas, box.x, box.y, node.icon);
}

void paint_bitmap(Canvas& canvas, const Node& node, const Rect& client) {
  if (!node.image) return;
  Rect box = image_box(node, client, node.image->width(), node.image->height());
  canvas.image(*node.image, box.x, box.y);
}

}  // namespace

void paint_static(Canvas& canvas, const Node& node, const Rect& client) {
  uint32_t type = node.style & SS_TYPEMASK;
  if (node.background) canvas.fill(client, *node.background);
  switch (type) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: paint_text(canvas, node, client, type); break;
    case SS_ICON: paint_icon_static(canvas, node, client); break;
    case SS_BITMAP: paint_bitmap(canvas, node, client); break;
    case SS_BLACKRECT: canvas.fill(client, colors::kWindowFrame); break;
    case SS_GRAYRECT: canvas.fill(client, colors::kBtnShadow); break;
    case SS_WHITERECT: canvas.fill(client, colors::kWindow); break;
    case SS_BLACKFRAME: canvas.outline(client, colors::kWindowFrame); break;
    case SS_GRAYFRAME: canvas.outline(client, colors::kBtnShadow); break;
    case SS_WHITEFRAME: canvas.outline(client, colors::kWindow); break;
    case SS_ETCHEDHORZ: canvas.etched({client.x, client.y, client.cx, 2}); break;
    case SS_ETCHEDVERT: canvas.etched({client.x, client.y, 2, client.cy}); break;
    case SS_ETCHEDFRAME: canvas.etched(client); break;
    default: break;  // owner-drawn statics show their background
  }
  if (node.style & SS_SUNKEN) canvas.edge(client, {colors::kBtnShadow, colors::kBtnHighlight});
}

}  // namespace platform::user
