// CreateWindowEx: a window of a registered class, owned by the calling thread.
#include <windows.h>

#include <algorithm>

#include "kernel/out_buffer.h"
#include "kernel/thread.h"
#include "user/cbt_hook.h"
#include "user/deliver.h"
#include "user/frame.h"
#include "user/message_queue.h"
#include "user/update_region.h"
#include "user/window_class.h"
#include "user/window_hooks.h"
#include "user/window_table.h"

namespace {

using namespace platform;
using namespace platform::user;

constexpr POINT kDefaultPosition{100, 100};
constexpr SIZE kDefaultSize{640, 480};

// Where the window's (x, y) is counted from: the parent's client area for a child.
POINT origin_of(const Window* parent) {
  if (!parent) return {0, 0};
  RECT in = frame::insets(parent->style, parent->exstyle);
  return {parent->rect.left + in.left, parent->rect.top + in.top};
}

template <class Char, class CreateStruct>
HWND create(DWORD exstyle, const Char* class_name, const Char* window_name, DWORD style, int x, int y, int cx,
            int cy, HWND parent_or_owner, HMENU menu, HINSTANCE instance, LPVOID param, bool unicode) {
  std::shared_ptr<const WindowClass> cls = find_class(class_name);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  const bool child = style & WS_CHILD;
  WindowPtr parent;
  if (parent_or_owner && parent_or_owner != HWND_MESSAGE) {
    parent = window_of(parent_or_owner);
    if (!parent) return nullptr;
  }
  if (child && !parent) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }

  auto w = std::make_shared<Window>();
  w->tid = thread::current_id();
  w->window_class = cls;
  w->proc = cls->proc;
  w->unicode = cls->unicode;
  w->style = style;
  w->exstyle = exstyle;
  w->instance = instance;
  w->extra.assign(size_t(cls->window_extra > 0 ? cls->window_extra : 0), 0);
  if (child) {
    w->parent = parent->hwnd;
    w->id = UINT(reinterpret_cast<uintptr_t>(menu));
  } else if (parent) {
    // The owner of a top-level window is always a top-level window.
    WindowPtr owner = parent;
    while (owner->parent) owner = find_window(owner->parent);
    w->owner = owner->hwnd;
  }
  if (x == CW_USEDEFAULT) {
    x = child ? 0 : kDefaultPosition.x;
    y = child ? 0 : kDefaultPosition.y;
  }
  if (cx == CW_USEDEFAULT) {
    cx = child ? 0 : kDefaultSize.cx;
    cy = child ? 0 : kDefaultSize.cy;
  }
  POINT o = origin_of(child ? parent.get() : nullptr);
  w->rect = RECT{o.x + x, o.y + y, o.x + x + cx, o.y + y + cy};

  current_queue();  // other threads can send to the window from now on
  w->hwnd = table::allocate_handle(!child);
  table::add(w);
  if (child) parent->children.push_back(w->hwnd);
  hooks::window_created();

  CreateStruct cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent ? parent->hwnd : nullptr;
  cs.cy = cy;
  cs.cx = cx;
  cs.y = y;
  cs.x = x;
  cs.style = LONG(style);
  cs.lpszName = window_name;
  cs.lpszClass = class_name;
  cs.dwExStyle = exstyle;
  HWND hwnd = w->hwnd;
  if (cbt::refuses_creation(hwnd, &cs, unicode)) {
    // Gone without a message, as if never made.
    if (child) std::erase(parent->children, hwnd);
    table::remove(hwnd);
    return nullptr;
  }
  if (!call_proc(w->proc, w->unicode, hwnd, WM_NCCREATE, 0, LPARAM(&cs), unicode) ||
      call_proc(w->proc, w->unicode, hwnd, WM_CREATE, 0, LPARAM(&cs), unicode) == -1) {
    DestroyWindow(hwnd);
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (!find_window(hwnd)) return nullptr;  // destroyed by its own creation messages
  if (w->style & WS_VISIBLE) {
    // Created visible, it paints as one shown would.
    send(hwnd, WM_SHOWWINDOW, TRUE, 0);
    paint::visibility_changed(*w);
  }
  return hwnd;
}

}  // namespace

extern "C" {

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  return create<WCHAR, CREATESTRUCTW>(dwExStyle, lpClassName, lpWindowName, dwStyle, X, Y, nWidth, nHeight,
                                      hWndParent, hMenu, hInstance, lpParam, true);
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  return create<CHAR, CREATESTRUCTA>(dwExStyle, lpClassName, lpWindowName, dwStyle, X, Y, nWidth, nHeight,
                                     hWndParent, hMenu, hInstance, lpParam, false);
}

}  // extern "C"
