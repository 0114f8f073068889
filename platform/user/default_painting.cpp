#include "user/default_painting.h"

#include <functional>

#include "gdi/device_context.h"
#include "kernel/text.h"
#include "user/deliver.h"
#include "user/painters.h"
#include "user/paint_geometry.h"
#include "user/sys_colors.h"
#include "user/window_class.h"
#include "user/window_snapshot.h"

namespace platform::user::paint {
namespace {

bool is_class(const Window& w, std::u16string_view name) { return text::iequals(w.window_class->name, name); }

// The WM_CTLCOLOR... message a system control asks its parent with; 0 for none. Push buttons
// ask too, though they paint with the system's colours whatever the answer.
UINT color_message(const Window& w) {
  if (is_class(w, u"Static")) return WM_CTLCOLORSTATIC;
  if (is_class(w, u"ListBox")) return WM_CTLCOLORLISTBOX;
  if (is_class(w, u"Edit"))
    return (w.style & (ES_READONLY | WS_DISABLED)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  if (is_class(w, u"Button")) {
    DWORD type = w.style & BS_TYPEMASK;
    bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (w.style & BS_PUSHLIKE);
    return push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
  }
  return 0;
}

// A parent that answers with no brush leaves the colours to DefWindowProc.
void ask_parent_for_colors(const Window& w, HDC dc, Node& node) {
  UINT msg = color_message(w);
  if (!msg || !w.parent) return;
  auto brush = reinterpret_cast<HBRUSH>(send(w.parent, msg, WPARAM(dc), LPARAM(w.hwnd)));
  if (!brush) brush = default_control_colors(msg, dc);
  if (std::optional<COLORREF> color = colors::brush_color(brush)) node.background = gdi::color_of(*color);
  node.text_color = gdi::color_of(GetTextColor(dc));
}

void paint_on(HDC hdc, const std::function<void(gdi::Canvas&)>& draw) {
  auto dc = gdi::dc_of(hdc);
  if (!dc) return;
  gdi::Canvas canvas(*dc->surface);
  dc->prepare(canvas);
  draw(canvas);
}

}  // namespace

void default_paint(const Window& w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w.hwnd, &ps);
  Painter painter = painter_of(w.window_class->name);
  if (dc && painter) {
    Node node = paint_node(w);
    ask_parent_for_colors(w, dc, node);
    paint_on(dc, [&](gdi::Canvas& canvas) { painter(canvas, node, client_area(w)); });
  }
  EndPaint(w.hwnd, &ps);
}

void default_frame(const Window& w) {
  HDC dc = GetWindowDC(w.hwnd);
  Node node = paint_node(w);
  gdi::Rect window{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top};
  paint_on(dc, [&](gdi::Canvas& canvas) { paint_non_client(canvas, node, window); });
  ReleaseDC(w.hwnd, dc);
}

bool erase_with_class_brush(const Window& w, HDC dc) {
  HBRUSH brush = w.window_class->background;
  if (!brush) return false;
  RECT client = rect_of(client_area(w));
  FillRect(dc, &client, brush);
  return true;
}

HBRUSH default_control_colors(UINT msg, HDC dc) {
  bool field = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
  int background = field ? COLOR_WINDOW : msg == WM_CTLCOLORSCROLLBAR ? COLOR_SCROLLBAR : COLOR_3DFACE;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  return GetSysColorBrush(background);
}

}  // namespace platform::user::paint
