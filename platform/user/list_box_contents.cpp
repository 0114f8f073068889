#include <algorithm>

#include "kernel/text.h"
#include "user/deliver.h"
#include "user/list_box.h"
#include "user/window_class.h"

namespace platform::user::list_box {

bool is_list_box(const Window& w) { return w.window_class && text::iequals(w.window_class->name, u"ListBox"); }

ListContents contents(HWND hwnd) {
  ListContents c;
  int count = int(send(hwnd, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LRESULT length = send(hwnd, LB_GETTEXTLEN, WPARAM(i), 0);
    std::u16string item(size_t(std::max<LRESULT>(length, 0)) + 1, u'\0');
    LRESULT got = send(hwnd, LB_GETTEXT, WPARAM(i), LPARAM(item.data()));
    item.resize(size_t(std::clamp<LRESULT>(got, 0, LRESULT(item.size() - 1))));
    c.items.push_back(std::move(item));
  }
  c.selected = int(send(hwnd, LB_GETCURSEL, 0, 0));
  c.top = int(send(hwnd, LB_GETTOPINDEX, 0, 0));
  c.item_height = int(send(hwnd, LB_GETITEMHEIGHT, 0, 0));
  return c;
}

}  // namespace platform::user::list_box
