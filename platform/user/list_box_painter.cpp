// List boxes: a field in the parent's brush (white by default) with a row per item from the top
// index on, the selected row in the highlight colours, the focus rectangle on it while focused,
// and the vertical scroll bar when the style asks for one.
#include <windows.h>

#include "gdi/scaled_font.h"
#include "user/list_box_layout.h"
#include "user/painters.h"

namespace platform::user {

using namespace gdi;
namespace {

constexpr int kTextMargin = 2;  // left of each row's text

Color system_color(int index) { return color_of(GetSysColor(index)); }

// An arrow box with its triangle pointing up or down.
void paint_arrow(Canvas& canvas, const Rect& box, bool up, bool enabled) {
  canvas.fill(box, colors::kBtnFace);
  canvas.raised(box);
  double cx = box.x + box.cx / 2.0, cy = box.y + box.cy / 2.0;
  double tip = up ? -2.5 : 2.5;
  cairo_t* cr = canvas.context();
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 4, cy - tip);
  cairo_line_to(cr, cx + 4, cy - tip);
  cairo_line_to(cr, cx, cy + tip);
  cairo_close_path(cr);
  canvas.fill_path(enabled ? colors::kWindowText : colors::kGrayText);
}

void paint_scroll_bar(Canvas& canvas, const Node& node, const Rect& bar) {
  const ListContents& list = node.list;
  int count = int(list.items.size());
  bool active = node.enabled && list_box::overflows(count, bar.cy, list.item_height);
  canvas.fill(bar, system_color(COLOR_SCROLLBAR));
  paint_arrow(canvas, {bar.x, bar.y, bar.cx, list_box::kArrowHeight}, true, active);
  paint_arrow(canvas, {bar.x, bar.bottom() - list_box::kArrowHeight, bar.cx, list_box::kArrowHeight}, false, active);
  list_box::Thumb thumb = list_box::thumb(bar.cy, count, list.item_height, list.top);
  if (!active || !thumb.length) return;
  Rect knob{bar.x, bar.y + thumb.y, bar.cx, thumb.length};
  canvas.fill(knob, colors::kBtnFace);
  canvas.raised(knob);
}

}  // namespace

void paint_list_box(Canvas& canvas, const Node& node, const Rect& client) {
  const ListContents& list = node.list;
  int count = int(list.items.size());
  canvas.fill(client, node.background.value_or(colors::kWindow));
  int rows_width = client.cx;
  if (list_box::shows_scroll_bar(node.style, count, client.cy, list.item_height)) {
    rows_width -= list_box::kScrollBarWidth;
    paint_scroll_bar(canvas, node, {client.x + rows_width, client.y, list_box::kScrollBarWidth, client.cy});
  }

  ScaledFont font(node.font);
  int height = list.item_height > 0 ? list.item_height : font.cell_height();
  Color text_color = node.enabled ? node.text_color : colors::kGrayText;
  for (int i = list.top, y = client.y; i < count && y < client.bottom(); ++i, y += height) {
    Rect row{client.x, y, rows_width, height};
    bool selected = i == list.selected;
    if (selected) canvas.fill(row, system_color(COLOR_HIGHLIGHT));
    canvas.clip(row);
    canvas.text(font, row.x + kTextMargin, y + (height - font.cell_height()) / 2, list.items[size_t(i)],
                selected ? system_color(COLOR_HIGHLIGHTTEXT) : text_color);
    canvas.leave();
  }
  // The focus rectangle marks the selected row, or the top one while nothing is selected.
  if (node.focused) {
    int focus_row = list.selected >= list.top ? list.selected : list.top;
    canvas.focus_rect({client.x, client.y + (focus_row - list.top) * height, rows_width, height});
  }
}

}  // namespace platform::user
