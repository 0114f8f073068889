// GetWindowLong(Ptr) / SetWindowLong(Ptr): the window's fields and its extra bytes. As on 64-bit
// Windows, the LONG forms refuse the pointer-valued fields and read 4 extra bytes; the LongPtr
// forms read 8.
#include <windows.h>

#include <cstring>

#include "user/proc_handles.h"
#include "user/window.h"

namespace {

using namespace platform;
using namespace platform::user;

bool pointer_field(int index) {
  return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT || index == GWLP_USERDATA;
}

// `Value` is the caller's form: LONG or LONG_PTR.
template <class Value>
bool index_ok(const Window& w, int index) {
  bool ok = index < 0 ? index == GWL_STYLE || index == GWL_EXSTYLE || index == GWLP_ID ||
                            (pointer_field(index) && sizeof(Value) == sizeof(LONG_PTR))
                      : size_t(index) + sizeof(Value) <= w.extra.size();
  if (!ok) SetLastError(ERROR_INVALID_INDEX);
  return ok;
}

template <class Value>
Value read(const Window& w, int index, bool unicode) {
  switch (index) {
    case GWLP_WNDPROC: return Value(reinterpret_cast<LONG_PTR>(procs::for_caller(w.proc, w.unicode, unicode)));
    case GWLP_HINSTANCE: return Value(reinterpret_cast<LONG_PTR>(w.instance));
    case GWLP_HWNDPARENT: return Value(reinterpret_cast<LONG_PTR>(w.parent ? w.parent : w.owner));
    case GWLP_USERDATA: return Value(w.user_data);
    case GWLP_ID: return LONG(w.id);
    case GWL_STYLE: return LONG(w.style);
    case GWL_EXSTYLE: return LONG(w.exstyle);
  }
  Value value;
  std::memcpy(&value, w.extra.data() + index, sizeof value);
  return value;
}

template <class Value>
void write(Window& w, int index, Value value, bool unicode) {
  switch (index) {
    case GWLP_WNDPROC: {
      // A window subclassed with the other character set's procedure gets messages in that form;
      // a procedure handle brings back the form of the procedure it names.
      procs::Resolved p = procs::resolve(reinterpret_cast<WNDPROC>(LONG_PTR(value)), unicode);
      w.proc = p.proc;
      w.unicode = p.unicode;
      return;
    }
    case GWLP_HINSTANCE: w.instance = reinterpret_cast<HINSTANCE>(LONG_PTR(value)); return;
    case GWLP_HWNDPARENT:
      if (!w.parent) w.owner = reinterpret_cast<HWND>(LONG_PTR(value));
      return;
    case GWLP_USERDATA: w.user_data = value; return;
    case GWLP_ID: w.id = UINT(value); return;
    case GWL_STYLE: w.style = DWORD(value); return;
    case GWL_EXSTYLE: w.exstyle = DWORD(value); return;
  }
  std::memcpy(w.extra.data() + index, &value, sizeof value);
}

template <class Value>
Value get(HWND hwnd, int index, bool unicode) {
  WindowPtr w = window_of(hwnd);
  if (!w || !index_ok<Value>(*w, index)) return 0;
  return read<Value>(*w, index, unicode);
}

template <class Value>
Value set(HWND hwnd, int index, Value value, bool unicode) {
  WindowPtr w = window_of(hwnd);
  if (!w || !index_ok<Value>(*w, index)) return 0;
  Value before = read<Value>(*w, index, unicode);
  write(*w, index, value, unicode);
  return before;
}

}  // namespace

extern "C" {

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) { return get<LONG>(hWnd, nIndex, true); }
LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) { return get<LONG>(hWnd, nIndex, false); }
LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) { return set(hWnd, nIndex, dwNewLong, true); }
LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) { return set(hWnd, nIndex, dwNewLong, false); }

LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex) { return get<LONG_PTR>(hWnd, nIndex, true); }
LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) { return get<LONG_PTR>(hWnd, nIndex, false); }
LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return set(hWnd, nIndex, dwNewLong, true);
}
LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return set(hWnd, nIndex, dwNewLong, false);
}

}  // extern "C"
