#include <map>
#include <mutex>

#include "comctl/tooltip.h"
#include "user/deliver.h"

namespace platform::comctl {
namespace {

struct Subclass {
  WNDPROC previous = nullptr;
  HWND tooltip = nullptr;
};

struct Subclasses {
  std::mutex lock;
  std::map<HWND, Subclass> by_window;
};

Subclasses& subclasses() {
  static Subclasses* s = new Subclasses;  // windows of threads still running at exit use it
  return *s;
}

std::optional<Subclass> subclass_of(HWND window) {
  Subclasses& s = subclasses();
  std::lock_guard g(s.lock);
  auto it = s.by_window.find(window);
  if (it == s.by_window.end()) return std::nullopt;
  return it->second;
}

bool is_mouse_message(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

void restore(HWND window, const Subclass& subclass) {
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass.previous));
}

LRESULT CALLBACK relaying_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  std::optional<Subclass> subclass = subclass_of(hwnd);
  if (!subclass) return DefWindowProcW(hwnd, msg, wp, lp);
  if (is_mouse_message(msg)) {
    MSG relayed{hwnd, msg, wp, lp, DWORD(GetMessageTime()), {}};
    user::send(subclass->tooltip, TTM_RELAYEVENT, 0, LPARAM(&relayed));
  }
  if (msg == WM_NCDESTROY) unsubclass_for_tooltip(subclass->tooltip, hwnd);
  return CallWindowProcW(subclass->previous, hwnd, msg, wp, lp);
}

}  // namespace

void subclass_for_tooltip(HWND window, HWND tooltip) {
  if (!IsWindow(window) || subclass_of(window)) return;
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  {
    Subclasses& s = subclasses();
    std::lock_guard g(s.lock);
    s.by_window[window] = {previous, tooltip};
  }
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(relaying_proc));
}

void unsubclass_for_tooltip(HWND tooltip, HWND window) {
  std::map<HWND, Subclass> ended;
  {
    Subclasses& s = subclasses();
    std::lock_guard g(s.lock);
    for (auto it = s.by_window.begin(); it != s.by_window.end();) {
      if (it->second.tooltip == tooltip && (!window || it->first == window)) {
        ended.insert(*it);
        it = s.by_window.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (const auto& [hwnd, subclass] : ended) restore(hwnd, subclass);
}

}  // namespace platform::comctl
