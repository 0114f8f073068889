// The ListBox class: a single-selection list of texts, kept in order or sorted (LBS_SORT), with
// the selection moved by clicks and keys and told to the parent under LBS_NOTIFY.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gdi/scaled_font.h"
#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "user/controls.h"
#include "user/focus.h"
#include "user/fonts.h"
#include "user/list_box_layout.h"
#include "user/paint_geometry.h"
#include "user/update_region.h"
#include "user/window.h"

namespace platform::user::controls {
namespace {

constexpr int kMaxItemHeight = 255;  // LB_SETITEMHEIGHT takes no more

struct Item {
  std::u16string text;
  LRESULT data = 0;
};

struct ListBoxState : ControlState {
  std::vector<Item> items;
  int selected = -1;
  int top = 0;
  int fixed_height = 0;  // set by LB_SETITEMHEIGHT; 0: the font's cell
};

int count(const ListBoxState& s) { return int(s.items.size()); }
bool valid(const ListBoxState& s, int index) { return index >= 0 && index < count(s); }

int item_height(const Window& w, const ListBoxState& s) {
  return s.fixed_height ? s.fixed_height : gdi::ScaledFont(fonts::font_of(w.font)).cell_height();
}

int view_height(const Window& w) { return paint::client_area(w).cy; }
int rows(const Window& w, const ListBoxState& s) { return list_box::full_rows(view_height(w), item_height(w, s)); }

void scroll_to(Window& w, ListBoxState& s, int top) {
  top = std::clamp(top, 0, list_box::last_top(count(s), view_height(w), item_height(w, s)));
  if (top == s.top) return;
  s.top = top;
  paint::invalidate_control(w);
}

// Without LBS_NOINTEGRALHEIGHT a list box is cut to whole rows, so that no item shows in part.
void fit_whole_rows(Window& w, const ListBoxState& s) {
  if (w.style & LBS_NOINTEGRALHEIGHT) return;
  int height = item_height(w, s);
  int cut = view_height(w) % height;
  if (view_height(w) <= height || cut == 0) return;
  SetWindowPos(w.hwnd, nullptr, 0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top - cut,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void show_item(Window& w, ListBoxState& s, int index) {
  if (index < s.top) scroll_to(w, s, index);
  else if (index >= s.top + rows(w, s)) scroll_to(w, s, index - rows(w, s) + 1);
}

// -1 removes the selection.
void select(Window& w, ListBoxState& s, int index) {
  if (index != s.selected) {
    s.selected = index;
    paint::invalidate_control(w);
  }
  if (index >= 0) show_item(w, s, index);
}

// The user chose an item: a new selection is told to the parent.
void choose(Window& w, ListBoxState& s, int index) {
  if (!valid(s, index)) return;
  bool changed = index != s.selected;
  select(w, s, index);
  if (changed && (w.style & LBS_NOTIFY)) notify_parent(w.hwnd, LBN_SELCHANGE);
}

bool matches(std::u16string_view item, std::u16string_view text, bool exact) {
  if (exact) return text::iequals(item, text);
  return item.size() >= text.size() && text::iequals(item.substr(0, text.size()), text);
}

// The first item after `start` whose text matches, case-insensitively; the search runs on from
// the top past the end, and covers the whole list from the top for -1 or an index out of range.
int find(const ListBoxState& s, int start, std::u16string_view text, bool exact) {
  int n = count(s);
  if (!valid(s, start)) start = -1;
  for (int k = 1; k <= n; ++k) {
    int i = (start + k) % n;
    if (matches(s.items[size_t(i)].text, text, exact)) return i;
  }
  return LB_ERR;
}

// Sorted lists order case-insensitively; an equal text goes after those already there.
int sorted_position(const ListBoxState& s, std::u16string_view text) {
  std::u16string key = text::upper(text);
  auto after = std::upper_bound(s.items.begin(), s.items.end(), key,
                                [](const std::u16string& k, const Item& item) { return k < text::upper(item.text); });
  return int(after - s.items.begin());
}

LRESULT insert(Window& w, ListBoxState& s, int index, std::u16string text) {
  s.items.insert(s.items.begin() + index, Item{std::move(text), 0});
  if (s.selected >= index) ++s.selected;
  paint::invalidate_control(w);
  return index;
}

LRESULT remove(Window& w, ListBoxState& s, int index) {
  if (!valid(s, index)) return LB_ERR;
  s.items.erase(s.items.begin() + index);
  if (s.selected == index) s.selected = -1;
  else if (s.selected > index) --s.selected;
  scroll_to(w, s, s.top);
  paint::invalidate_control(w);
  return count(s);
}

void reset(Window& w, ListBoxState& s) {
  s.items.clear();
  s.selected = -1;
  s.top = 0;
  paint::invalidate_control(w);
}

LRESULT get_text(const ListBoxState& s, int index, LPARAM lp) {
  if (!valid(s, index) || !lp) return LB_ERR;
  const std::u16string& text = s.items[size_t(index)].text;
  auto* out = reinterpret_cast<char16_t*>(lp);
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = u'\0';
  return LRESULT(text.size());
}

void scroll_request(Window& w, ListBoxState& s, WORD request, int position) {
  int page = std::max(1, rows(w, s) - 1);
  switch (request) {
    case SB_LINEUP: return scroll_to(w, s, s.top - 1);
    case SB_LINEDOWN: return scroll_to(w, s, s.top + 1);
    case SB_PAGEUP: return scroll_to(w, s, s.top - page);
    case SB_PAGEDOWN: return scroll_to(w, s, s.top + page);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return scroll_to(w, s, position);
    case SB_TOP: return scroll_to(w, s, 0);
    case SB_BOTTOM: return scroll_to(w, s, count(s));
    default: return;
  }
}

void key_down(Window& w, ListBoxState& s, UINT vk) {
  int last = count(s) - 1;
  int current = s.selected;
  int page = std::max(1, rows(w, s) - 1);
  int target;
  switch (vk) {
    case VK_UP: target = current < 0 ? 0 : current - 1; break;
    case VK_DOWN: target = current < 0 ? 0 : current + 1; break;
    case VK_PRIOR: target = current - page; break;
    case VK_NEXT: target = current < 0 ? page : current + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = last; break;
    default: return;
  }
  choose(w, s, std::clamp(target, 0, std::max(last, 0)));
}

// A typed character moves to the next item that begins with it.
void type_char(Window& w, ListBoxState& s, char16_t c) {
  if (c < 0x20) return;
  choose(w, s, find(s, s.selected, std::u16string(1, c), false));
}

// Where the bar is shown, a click on it scrolls: its arrows by a line, its track by a page.
bool click_scroll_bar(Window& w, ListBoxState& s, int x, int y) {
  gdi::Rect client = paint::client_area(w);
  int height = item_height(w, s);
  if (!list_box::shows_scroll_bar(w.style, count(s), client.cy, height) ||
      x < client.cx - list_box::kScrollBarWidth)
    return false;
  list_box::Thumb thumb = list_box::thumb(client.cy, count(s), height, s.top);
  if (y < list_box::kArrowHeight) scroll_request(w, s, SB_LINEUP, 0);
  else if (y >= client.cy - list_box::kArrowHeight) scroll_request(w, s, SB_LINEDOWN, 0);
  else if (thumb.length && y < thumb.y) scroll_request(w, s, SB_PAGEUP, 0);
  else if (thumb.length && y >= thumb.y + thumb.length) scroll_request(w, s, SB_PAGEDOWN, 0);
  return true;
}

void button_down(Window& w, ListBoxState& s, LPARAM lp, bool double_click) {
  if (focus::focused() != w.hwnd) SetFocus(w.hwnd);
  int x = short(LOWORD(lp)), y = short(HIWORD(lp));
  if (y < 0 || click_scroll_bar(w, s, x, y)) return;
  int index = s.top + y / std::max(1, item_height(w, s));
  if (!valid(s, index)) return;
  choose(w, s, index);
  if (double_click && (w.style & LBS_NOTIFY)) notify_parent(w.hwnd, LBN_DBLCLK);
}

}  // namespace

LRESULT CALLBACK list_box_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPtr w = find_window(hwnd);
  if (!w) return 0;
  ListBoxState& s = w->state_as<ListBoxState>();
  int index = int(wp);
  switch (msg) {
    case LB_ADDSTRING: {
      std::u16string text = out::in(reinterpret_cast<LPCWSTR>(lp));
      int at = (w->style & LBS_SORT) ? sorted_position(s, text) : count(s);
      return insert(*w, s, at, std::move(text));
    }
    case LB_INSERTSTRING:
      if (index == -1) index = count(s);
      if (index < 0 || index > count(s)) return LB_ERR;
      return insert(*w, s, index, out::in(reinterpret_cast<LPCWSTR>(lp)));
    case LB_DELETESTRING: return remove(*w, s, index);
    case LB_RESETCONTENT:
      reset(*w, s);
      return LB_OKAY;
    case LB_GETCOUNT: return count(s);
    case LB_GETCURSEL: return s.selected;
    case LB_GETSEL: return valid(s, index) ? LRESULT(index == s.selected) : LB_ERR;
    case LB_SETCURSEL:
      // Clearing the selection answers LB_ERR too.
      if (index == -1) select(*w, s, -1);
      if (!valid(s, index)) return LB_ERR;
      select(*w, s, index);
      return index;
    case LB_GETTEXT: return get_text(s, index, lp);
    case LB_GETTEXTLEN: return valid(s, index) ? LRESULT(s.items[size_t(index)].text.size()) : LB_ERR;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
      return find(s, index, out::in(reinterpret_cast<LPCWSTR>(lp)), msg == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
      int found = find(s, index, out::in(reinterpret_cast<LPCWSTR>(lp)), false);
      if (found != LB_ERR) select(*w, s, found);
      return found;
    }
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX:
      if (!valid(s, index)) return LB_ERR;
      scroll_to(*w, s, index);
      return LB_OKAY;
    case LB_GETITEMDATA: return valid(s, index) ? s.items[size_t(index)].data : LB_ERR;
    case LB_SETITEMDATA:
      if (!valid(s, index)) return LB_ERR;
      s.items[size_t(index)].data = lp;
      return TRUE;
    case LB_GETITEMHEIGHT: return item_height(*w, s);
    case LB_SETITEMHEIGHT:
      if (LOWORD(lp) == 0 || LOWORD(lp) > kMaxItemHeight) return LB_ERR;
      s.fixed_height = LOWORD(lp);
      scroll_to(*w, s, s.top);
      paint::invalidate_control(*w);
      return LB_OKAY;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      key_down(*w, s, UINT(wp));
      return 0;
    case WM_CHAR:
      type_char(*w, s, char16_t(wp));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      button_down(*w, s, lp, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_VSCROLL:
      scroll_request(*w, s, LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      paint::invalidate_control(*w);  // the focus rectangle
      if (w->style & LBS_NOTIFY) notify_parent(hwnd, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
      return 0;
    case WM_CREATE:
      fit_whole_rows(*w, s);
      return 0;
    case WM_SIZE:
    case WM_SETFONT: {
      // Fewer or taller rows may leave room below the last item: the view scrolls back.
      LRESULT result = DefWindowProcW(hwnd, msg, wp, lp);
      if (msg == WM_SETFONT) fit_whole_rows(*w, s);
      scroll_to(*w, s, s.top);
      paint::invalidate_control(*w);
      return result;
    }
    case WM_ENABLE:
      paint::invalidate_control(*w);
      return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace platform::user::controls
