// A window tree painted into a PNG: each window's frame, then its client area by class, then
// its visible children clipped to that client area.
#include "gdi/canvas.h"
#include "gdi/painters.h"
#include "kernel/text.h"

namespace platform::gdi {
namespace {

void paint_client(Canvas& canvas, const Node& node, const Rect& client, bool top_level) {
  const std::u16string& cls = node.class_name;
  if (text::iequals(cls, u"Button")) paint_button(canvas, node, client);
  else if (text::iequals(cls, u"Edit")) paint_edit(canvas, node, client);
  else if (text::iequals(cls, u"Static")) paint_static(canvas, node, client);
  else if (text::iequals(cls, u"msctls_progress32")) paint_progress(canvas, node, client);
  else if (text::iequals(cls, u"SysIPAddress32")) paint_ip_address(canvas, node, client);
  else if (text::iequals(cls, u"SysLink")) paint_link(canvas, node, client);
  else if (text::iequals(cls, u"RichEdit20W") || text::iequals(cls, u"RICHEDIT50W")) paint_rich_edit(canvas, node, client);
  else if (top_level || cls == u"#32770") canvas.fill(client, colors::kBtnFace);
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

bool render_png(const Node& top, const std::string& png_path) {
  if (top.cx <= 0 || top.cy <= 0) return false;
  Canvas canvas(top.cx, top.cy);
  paint_window(canvas, top, top.x, top.y, true);
  return canvas.write_png(png_path);
}

}  // namespace platform::gdi
