// The parts of a window around its client area: the border or frame, the caption bar with its
// text and close box, and the client edges. The figures are the ones the window manager lays
// windows out with, so the client area painted here is the one the controls sit in.
#include <windows.h>

#include "gdi/icon_image.h"
#include "gdi/label.h"
#include "user/painters.h"
#include "user/frame.h"

namespace platform::user {

using namespace gdi;
namespace {

namespace frame = user::frame;

constexpr int kCloseBoxWidth = 16;  // SM_CXSIZE - 2
constexpr int kCloseBoxHeight = 14;  // SM_CYSIZE - 4
constexpr int kSmallIcon = 16;       // SM_CXSMICON

// Frame thickness without the edges.
int frame_width(uint32_t style, uint32_t exstyle) {
  RECT outer = frame::insets(style, exstyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  return outer.left;
}

void paint_frame(Canvas& canvas, const Rect& window, int width) {
  if (width == frame::kBorder) return canvas.outline(window, colors::kWindowFrame);
  if (width <= 0) return;
  canvas.raised(window);
  for (int ring = 2; ring < width; ++ring) canvas.outline(window.inset(ring), colors::kBtnFace);
}

void paint_close_box(Canvas& canvas, const Rect& box) {
  canvas.fill(box, colors::kBtnFace);
  canvas.raised(box);
  int cx = box.x + box.cx / 2, cy = box.y + box.cy / 2;
  for (int dx : {0, 1}) {
    canvas.line(cx - 4 + dx, cy - 3, cx + 3 + dx, cy + 4, colors::kWindowText);
    canvas.line(cx - 4 + dx, cy + 4, cx + 3 + dx, cy - 3, colors::kWindowText);
  }
}

void paint_caption(Canvas& canvas, const Node& node, const Rect& bar) {
  canvas.horizontal_gradient(bar, colors::kActiveCaption, colors::kCaptionGradient);
  int text_right = bar.right() - 2;
  if (node.style & WS_SYSMENU) {
    Rect close{bar.right() - 2 - kCloseBoxWidth, bar.y + (bar.cy - kCloseBoxHeight) / 2, kCloseBoxWidth,
               kCloseBoxHeight};
    paint_close_box(canvas, close);
    text_right = close.x - 2;
  }
  int text_left = bar.x + 4;
  if (node.picture) {
    Rect icon{bar.x + 2, bar.y + (bar.cy - kSmallIcon) / 2, kSmallIcon, kSmallIcon};
    paint_icon(canvas, *node.picture, icon);
    text_left = icon.right() + 3;
  }
  Font font = message_font();
  font.weight = 700;
  Rect text{text_left, bar.y, text_right - text_left, bar.cy};
  canvas.clip(text);
  LabelLayout layout{Align::left, true, false, false};
  paint_label(canvas, font, text, node.text, layout, true, colors::kCaptionText);
  canvas.leave();
}

}  // namespace

Rect paint_non_client(Canvas& canvas, const Node& node, const Rect& window) {
  if (node.style & WS_MINIMIZE) return window;  // the iconic square has no frame
  int width = frame_width(node.style, node.exstyle);
  paint_frame(canvas, window, width);
  Rect inside = window.inset(width);
  if ((node.style & WS_CAPTION) == WS_CAPTION) {
    paint_caption(canvas, node, {inside.x, inside.y, inside.cx, frame::kCaption - 1});
    canvas.fill({inside.x, inside.y + frame::kCaption - 1, inside.cx, 1}, colors::kBtnFace);
    inside = {inside.x, inside.y + frame::kCaption, inside.cx, inside.cy - frame::kCaption};
  }
  if (node.exstyle & WS_EX_CLIENTEDGE) {
    canvas.sunken(inside);
    inside = inside.inset(frame::kEdge);
  }
  if (node.exstyle & WS_EX_STATICEDGE) {
    canvas.edge(inside, {colors::kBtnShadow, colors::kBtnHighlight});
    inside = inside.inset(frame::kBorder);
  }
  return inside;
}

}  // namespace platform::user
