// A window tree painted into a PNG: each window's frame, then its client area by class, then
// its visible children clipped to that client area.
#include "user/painting.h"

#include <utility>
#include <vector>

#include "kernel/text.h"
#include "user/painters.h"

namespace platform::user {
namespace {

using gdi::Canvas;
using gdi::Rect;

std::vector<std::pair<std::u16string, Painter>>& class_painters() {
  static std::vector<std::pair<std::u16string, Painter>> painters;
  return painters;
}

Painter painter_of(const std::u16string& cls) {
  for (auto& [name, painter] : class_painters())
    if (text::iequals(cls, name)) return painter;
  return nullptr;
}

void paint_client(Canvas& canvas, const Node& node, const Rect& client, bool top_level) {
  const std::u16string& cls = node.class_name;
  if (text::iequals(cls, u"Button")) paint_button(canvas, node, client);
  else if (text::iequals(cls, u"Edit")) paint_edit(canvas, node, client);
  else if (text::iequals(cls, u"Static")) paint_static(canvas, node, client);
  else if (Painter painter = painter_of(cls)) painter(canvas, node, client);
  else if (top_level || cls == u"#32770") canvas.fill(client, gdi::colors::kBtnFace);
  else paint_unknown(canvas, node, client);
}

void paint_window(Canvas& canvas, const Node& node, int origin_x, int origin_y, bool top_level) {
  Rect window{node.x - origin_x, node.y - origin_y, node.cx, node.cy};
  canvas.clip(window);
  Rect client = paint_non_client(canvas, node, window);
  canvas.enter(client);
  paint_client(canvas, node, {0, 0, client.cx, client.cy}, top_level);
  canvas.leave();
  canvas.clip(client);
  for (const Node& child : node.children)
    if (child.visible) paint_window(canvas, child, origin_x, origin_y, false);
  canvas.leave();
  canvas.leave();
}

}  // namespace

ClassPainter::ClassPainter(std::u16string_view class_name, Painter painter) {
  class_painters().emplace_back(std::u16string(class_name), painter);
}

bool render_png(const Node& top, const std::string& png_path) {
  if (top.cx <= 0 || top.cy <= 0) return false;
  Canvas canvas(top.cx, top.cy);
  paint_window(canvas, top, top.x, top.y, true);
  return canvas.write_png(png_path);
}

}  // namespace platform::user
