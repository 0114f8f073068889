// SysLink: text with links; activating a link tells the parent through NM_CLICK (mouse) or
// NM_RETURN (Enter) with the link's index, id and URL.
#include <algorithm>
#include <vector>

#include "comctl/control_classes.h"
#include "comctl/link_markup.h"
#include "user/window.h"

namespace platform::comctl {
namespace {

struct LinkItem {
  LinkAnchor anchor;
  UINT state = LIS_ENABLED;
};

struct LinkState : user::ControlState {
  std::vector<LinkItem> items;
  int focused = 0;
};

void parse(const user::Window& w, LinkState& s) {
  s.items.clear();
  for (LinkAnchor& a : parse_link_markup(w.text).anchors) s.items.push_back({std::move(a), LIS_ENABLED});
  s.focused = 0;
}

template <size_t N>
void copy_out(WCHAR (&dest)[N], const std::u16string& value) {
  size_t n = std::min(value.size(), N - 1);
  std::copy_n(value.begin(), n, dest);
  dest[n] = 0;
}

template <size_t N>
std::u16string copy_in(const WCHAR (&src)[N]) {
  size_t n = 0;
  while (n < N && src[n]) ++n;
  return std::u16string(reinterpret_cast<const char16_t*>(src), n);
}

// The link a LITEM names: by index with LIF_ITEMINDEX, otherwise by id with LIF_ITEMID.
LinkItem* find_item(LinkState& s, const LITEM& item) {
  if (item.mask & LIF_ITEMINDEX)
    return item.iLink >= 0 && size_t(item.iLink) < s.items.size() ? &s.items[item.iLink] : nullptr;
  if (item.mask & LIF_ITEMID)
    for (LinkItem& li : s.items)
      if (li.anchor.id == copy_in(item.szID)) return &li;
  return nullptr;
}

void fill(LITEM& out, const LinkState& s, int index) {
  const LinkItem& li = s.items[index];
  out.iLink = index;
  out.state = li.state | (index == s.focused ? LIS_FOCUSED : 0);
  copy_out(out.szID, li.anchor.id);
  copy_out(out.szUrl, li.anchor.url);
}

BOOL get_item(LinkState& s, LITEM& item) {
  LinkItem* li = find_item(s, item);
  if (!li) return FALSE;
  int index = int(li - s.items.data());
  LITEM full{};
  fill(full, s, index);
  if (item.mask & LIF_STATE) item.state = full.state & item.stateMask;
  if (item.mask & LIF_ITEMID) copy_out(item.szID, li->anchor.id);
  if (item.mask & LIF_URL) copy_out(item.szUrl, li->anchor.url);
  item.iLink = index;
  return TRUE;
}

BOOL set_item(LinkState& s, const LITEM& item) {
  LinkItem* li = find_item(s, item);
  if (!li) return FALSE;
  if (item.mask & LIF_STATE) {
    li->state = (li->state & ~item.stateMask) | (item.state & item.stateMask);
    if (item.stateMask & LIS_FOCUSED && item.state & LIS_FOCUSED) s.focused = int(li - s.items.data());
    li->state &= ~UINT(LIS_FOCUSED);  // the focus is kept as one index
  }
  if ((item.mask & LIF_ITEMID) && (item.mask & LIF_ITEMINDEX)) li->anchor.id = copy_in(item.szID);
  if (item.mask & LIF_URL) li->anchor.url = copy_in(item.szUrl);
  return TRUE;
}

// A disabled link does nothing; an activated one is visited.
bool activate(HWND hwnd, LinkState& s, int index, UINT code) {
  if (index < 0 || size_t(index) >= s.items.size() || !(s.items[index].state & LIS_ENABLED)) return false;
  NMLINK nm{};
  nm.item.mask = LIF_ITEMINDEX | LIF_STATE | LIF_ITEMID | LIF_URL;
  nm.item.stateMask = ~0U;
  fill(nm.item, s, index);
  s.items[index].state |= LIS_VISITED;
  notify(hwnd, code, &nm.hdr);
  return true;
}

}  // namespace

LRESULT CALLBACK link_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  user::WindowPtr w = user::find_window(hwnd);
  if (!w) return 0;
  LinkState& s = w->state_as<LinkState>();
  switch (msg) {
    case WM_CREATE:
      parse(*w, s);
      return 0;
    case WM_SETTEXT: {
      LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      parse(*w, s);
      return r;
    }
    case WM_GETDLGCODE: return (w->style & LWS_IGNORERETURN) ? 0 : DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wp == VK_RETURN && !(w->style & LWS_IGNORERETURN)) activate(hwnd, s, s.focused, NM_RETURN);
      return 0;
    case LM_GETITEM: return lp ? get_item(s, *reinterpret_cast<LITEM*>(lp)) : FALSE;
    case LM_SETITEM: return lp ? set_item(s, *reinterpret_cast<const LITEM*>(lp)) : FALSE;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

bool click_first_link(HWND control) {
  user::WindowPtr w = user::find_window(control);
  return w && activate(control, w->state_as<LinkState>(), 0, NM_CLICK);
}

}  // namespace platform::comctl
