// The tooltip control. A tool is a window (TTF_IDISHWND: uId is its handle) or a rectangle of a
// window's client area. The mouse messages of the tools' windows reach the tooltip through
// TTM_RELAYEVENT (sent by the program, or by the subclass of TTF_SUBCLASS); when the mouse
// rests on a tool the tip shows its text at once (this desktop has no hover delay), and a
// button press or leaving the tool pops it. A callback tool's text comes from its window, as
// TTN_GETDISPINFOW: the answer's lpszText, its szText, or a string resource of its hinst.
#include <algorithm>
#include <vector>

#include "comctl/control_classes.h"
#include "comctl/tooltip.h"
#include "kernel/text.h"
#include "user/deliver.h"
#include "user/window.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace platform::comctl {
namespace {

// What a tool's text is: a string, a string resource of its hinst, or its window's answer.
struct ToolText {
  enum Kind { kString, kResource, kCallback };
  Kind kind = kString;
  std::u16string string;
  UINT resource = 0;
};

struct Tool {
  UINT flags = 0;
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  RECT rect{};
  HINSTANCE hinst = nullptr;
  ToolText text;
  LPARAM lparam = 0;
};

struct TipState : user::ControlState {
  std::vector<Tool> tools;
  bool active = true;
  int max_width = -1;
  std::optional<std::pair<HWND, UINT_PTR>> shown;  // the tool whose tip shows
};

// Rough measures of the tip's text: this desktop paints no tips.
constexpr int kCharWidth = 6, kLineHeight = 16, kMargin = 4;

HWND window_of_tool(const Tool& t) { return (t.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(t.id) : t.hwnd; }

ToolText text_from(LPCWSTR text) {
  if (text == LPSTR_TEXTCALLBACKW) return {ToolText::kCallback, {}, 0};
  if (text && IS_INTRESOURCE(text)) return {ToolText::kResource, {}, UINT(reinterpret_cast<uintptr_t>(text))};
  return {ToolText::kString, text::from_wide(text), 0};
}

std::u16string string_resource(HINSTANCE hinst, UINT id) {
  WCHAR buffer[1024];
  int n = LoadStringW(hinst, id, buffer, 1024);
  return text::from_wide(buffer, size_t(std::max(n, 0)));
}

Tool* find_tool(TipState& s, HWND hwnd, UINT_PTR id) {
  auto it = std::find_if(s.tools.begin(), s.tools.end(), [&](const Tool& t) { return t.hwnd == hwnd && t.id == id; });
  return it == s.tools.end() ? nullptr : &*it;
}

Tool* find_tool(TipState& s, const TTTOOLINFOW* info) {
  return info && info->cbSize >= UINT(TTTOOLINFOW_V1_SIZE) ? find_tool(s, info->hwnd, info->uId) : nullptr;
}

// The window that hears about a tool: its own window, else the tooltip's owner.
HWND listener(HWND tip, const Tool& t) {
  if (t.hwnd) return t.hwnd;
  user::WindowPtr w = user::find_window(tip);
  return w ? (w->owner ? w->owner : w->parent) : nullptr;
}

LRESULT tell(HWND tip, const Tool& t, UINT code, NMHDR* header) {
  HWND to = listener(tip, t);
  if (!to) return 0;
  header->hwndFrom = tip;
  header->idFrom = t.id;
  header->code = code;
  return user::send(to, WM_NOTIFY, WPARAM(t.id), LPARAM(header));
}

std::u16string ask_window(HWND tip, Tool& t) {
  NMTTDISPINFOW info{};
  info.lpszText = info.szText;
  info.uFlags = t.flags;
  info.lParam = t.lparam;
  tell(tip, t, TTN_GETDISPINFOW, &info.hdr);
  std::u16string text;
  if (info.hinst && info.lpszText && IS_INTRESOURCE(info.lpszText))
    text = string_resource(info.hinst, UINT(reinterpret_cast<uintptr_t>(info.lpszText)));
  else if (info.lpszText == info.szText)
    text = text::from_wide(info.szText, size_t(std::find(info.szText, info.szText + 80, 0) - info.szText));
  else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW && !IS_INTRESOURCE(info.lpszText))
    text = text::from_wide(info.lpszText);
  // TTF_DI_SETITEM: the answer stays the tool's text.
  if (info.uFlags & TTF_DI_SETITEM) t.text = {ToolText::kString, text, 0};
  return text;
}

std::u16string text_of(HWND tip, Tool& t) {
  switch (t.text.kind) {
    case ToolText::kCallback: return ask_window(tip, t);
    case ToolText::kResource: return string_resource(t.hinst, t.text.resource);
    default: return t.text.string;
  }
}

// Below the mouse; TTF_CENTERTIP: centred below the tool.
void place(HWND tip, const TipState& s, const Tool& t, POINT mouse, const std::u16string& text) {
  int width = int(text.size()) * kCharWidth + 2 * kMargin;
  int lines = 1;
  if (s.max_width > 0 && width > s.max_width) {
    lines = (width + s.max_width - 1) / s.max_width;
    width = s.max_width;
  }
  int x = mouse.x, y = mouse.y + 20;
  if (t.flags & TTF_CENTERTIP) {
    RECT r = t.rect;
    if (t.flags & TTF_IDISHWND) {
      GetWindowRect(window_of_tool(t), &r);
    } else {
      MapWindowPoints(t.hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    }
    x = (r.left + r.right - width) / 2;
    y = r.bottom + 2;
  }
  SetWindowPos(tip, HWND_TOPMOST, x, y, width, lines * kLineHeight + 2 * kMargin, SWP_NOACTIVATE);
}

void pop(HWND tip, TipState& s) {
  if (!s.shown) return;
  auto [hwnd, id] = *s.shown;
  s.shown.reset();
  ShowWindow(tip, SW_HIDE);
  if (Tool* t = find_tool(s, hwnd, id)) {
    NMHDR header{};
    tell(tip, *t, TTN_POP, &header);
  }
}

void show(HWND tip, TipState& s, Tool& t, POINT mouse) {
  std::u16string text = text_of(tip, t);
  if (text.empty()) {  // a tool without text shows no tip
    pop(tip, s);
    return;
  }
  s.shown = {t.hwnd, t.id};
  SetWindowTextW(tip, text::wide(text));
  NMHDR header{};
  tell(tip, t, TTN_SHOW, &header);
  place(tip, s, t, mouse, text);
  ShowWindow(tip, SW_SHOWNOACTIVATE);
}

Tool* tool_at(TipState& s, HWND window, POINT client) {
  for (Tool& t : s.tools) {
    if (t.flags & TTF_IDISHWND) {
      if (reinterpret_cast<HWND>(t.id) == window) return &t;
    } else if (t.hwnd == window && client.x >= t.rect.left && client.x < t.rect.right && client.y >= t.rect.top &&
               client.y < t.rect.bottom) {
      return &t;
    }
  }
  return nullptr;
}

void relay(HWND tip, TipState& s, const MSG* m) {
  if (!m) return;
  if (m->message != WM_MOUSEMOVE) {
    if (m->message >= WM_MOUSEFIRST && m->message <= WM_MOUSELAST) pop(tip, s);
    return;
  }
  POINT client{SHORT(LOWORD(m->lParam)), SHORT(HIWORD(m->lParam))};
  Tool* t = s.active ? tool_at(s, m->hwnd, client) : nullptr;
  if (!t) {
    pop(tip, s);
    return;
  }
  if (s.shown && *s.shown == std::make_pair(t->hwnd, t->id)) return;
  pop(tip, s);
  POINT screen = client;
  ClientToScreen(m->hwnd, &screen);
  show(tip, s, *t, screen);
}

BOOL add_tool(HWND tip, TipState& s, const TTTOOLINFOW* info) {
  if (!info || info->cbSize < UINT(TTTOOLINFOW_V1_SIZE)) return FALSE;
  Tool t;
  t.flags = info->uFlags;
  t.hwnd = info->hwnd;
  t.id = info->uId;
  t.rect = info->rect;
  t.hinst = info->hinst;
  t.text = text_from(info->lpszText);
  if (info->cbSize >= UINT(TTTOOLINFOW_V2_SIZE)) t.lparam = info->lParam;
  if (t.flags & TTF_SUBCLASS) subclass_for_tooltip(window_of_tool(t), tip);
  s.tools.push_back(std::move(t));
  return TRUE;
}

void delete_tool(HWND tip, TipState& s, const TTTOOLINFOW* info) {
  Tool* t = find_tool(s, info);
  if (!t) return;
  if (s.shown && *s.shown == std::make_pair(t->hwnd, t->id)) pop(tip, s);
  HWND window = window_of_tool(*t);
  s.tools.erase(s.tools.begin() + (t - s.tools.data()));
  bool still_used = std::any_of(s.tools.begin(), s.tools.end(), [&](const Tool& other) {
    return (other.flags & TTF_SUBCLASS) && window_of_tool(other) == window;
  });
  if (!still_used) unsubclass_for_tooltip(tip, window);
}

// TTM_GETTEXTW: wParam is the size of the buffer at lpszText, in characters.
void get_text(HWND tip, TipState& s, WPARAM chars, TTTOOLINFOW* info) {
  Tool* t = find_tool(s, info);
  if (!t || !info->lpszText || chars == 0) return;
  std::u16string text = text_of(tip, *t);
  size_t n = std::min(text.size(), size_t(chars) - 1);
  std::copy_n(text.data(), n, reinterpret_cast<char16_t*>(info->lpszText));
  info->lpszText[n] = 0;
}

BOOL get_tool_info(TipState& s, TTTOOLINFOW* info) {
  Tool* t = find_tool(s, info);
  if (!t) return FALSE;
  info->uFlags = t->flags;
  info->rect = t->rect;
  info->hinst = t->hinst;
  if (info->cbSize >= UINT(TTTOOLINFOW_V2_SIZE)) info->lParam = t->lparam;
  if (t->text.kind == ToolText::kCallback) info->lpszText = LPSTR_TEXTCALLBACKW;
  else if (t->text.kind == ToolText::kResource) info->lpszText = MAKEINTRESOURCEW(t->text.resource);
  else if (info->lpszText) {  // a buffer of the classic 80 characters
    size_t n = std::min<size_t>(t->text.string.size(), 79);
    std::copy_n(t->text.string.data(), n, reinterpret_cast<char16_t*>(info->lpszText));
    info->lpszText[n] = 0;
  }
  return TRUE;
}

void update_text(HWND tip, TipState& s, const TTTOOLINFOW* info) {
  Tool* t = find_tool(s, info);
  if (!t) return;
  t->hinst = info->hinst;
  t->text = text_from(info->lpszText);
  if (s.shown && *s.shown == std::make_pair(t->hwnd, t->id)) SetWindowTextW(tip, text::wide(text_of(tip, *t)));
}

}  // namespace

LRESULT CALLBACK tooltip_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  user::WindowPtr w = user::find_window(hwnd);
  if (!w) return 0;
  TipState& s = w->state_as<TipState>();
  auto* info = reinterpret_cast<TTTOOLINFOW*>(lp);
  switch (msg) {
    case TTM_ADDTOOLW: return add_tool(hwnd, s, info);
    case TTM_DELTOOLW:
      delete_tool(hwnd, s, info);
      return 0;
    case TTM_NEWTOOLRECTW:
      if (Tool* t = find_tool(s, info)) t->rect = info->rect;
      return 0;
    case TTM_GETTOOLINFOW: return get_tool_info(s, info);
    case TTM_GETTOOLCOUNT: return LRESULT(s.tools.size());
    case TTM_GETTEXTW:
      get_text(hwnd, s, wp, info);
      return 0;
    case TTM_UPDATETIPTEXTW:
      update_text(hwnd, s, info);
      return 0;
    case TTM_RELAYEVENT:
      relay(hwnd, s, reinterpret_cast<const MSG*>(lp));
      return 0;
    case TTM_ACTIVATE:
      s.active = wp != 0;
      if (!s.active) pop(hwnd, s);
      return 0;
    case TTM_POP:
      pop(hwnd, s);
      return 0;
    case TTM_SETMAXTIPWIDTH: {
      int old = s.max_width;
      s.max_width = int(lp);
      return old;
    }
    case TTM_GETMAXTIPWIDTH: return s.max_width;
    case TTM_SETDELAYTIME: return 0;  // tips show at once here
    case WM_DESTROY:
      unsubclass_for_tooltip(hwnd);
      return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

std::optional<std::u16string> shown_tip(HWND window) {
  for (const user::WindowPtr& w : user::table::top_levels()) {
    if (!w->window_class || !text::iequals(w->window_class->name, u"tooltips_class32") || !IsWindowVisible(w->hwnd))
      continue;
    TipState& s = w->state_as<TipState>();
    if (!s.shown) continue;
    Tool* t = find_tool(s, s.shown->first, s.shown->second);
    if (t && window_of_tool(*t) == window) return w->text;
  }
  return std::nullopt;
}

}  // namespace platform::comctl
