// GetWindowLong / SetWindowLong: the window's fields and its extra bytes.
#include <windows.h>

#include <cstring>

#include "user/proc_handles.h"
#include "user/window.h"

namespace {

using namespace winsim;
using namespace winsim::user;

bool extra_index_ok(const Window& w, int index) {
  if (index >= 0 && size_t(index) + sizeof(LONG) <= w.extra.size()) return true;
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

LONG get(HWND hwnd, int index, bool unicode) {
  WindowPtr w = window_of(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_WNDPROC: return LONG(reinterpret_cast<LONG_PTR>(procs::for_caller(w->proc, w->unicode, unicode)));
    case GWL_HINSTANCE: return LONG(reinterpret_cast<LONG_PTR>(w->instance));
    case GWL_HWNDPARENT: return LONG(reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner));
    case GWL_ID: return LONG(w->id);
    case GWL_STYLE: return LONG(w->style);
    case GWL_EXSTYLE: return LONG(w->exstyle);
    case GWL_USERDATA: return LONG(w->user_data);
    default: {
      if (!extra_index_ok(*w, index)) return 0;
      LONG value;
      std::memcpy(&value, w->extra.data() + index, sizeof value);
      return value;
    }
  }
}

LONG set(HWND hwnd, int index, LONG value, bool unicode) {
  WindowPtr w = window_of(hwnd);
  if (!w) return 0;
  LONG before = get(hwnd, index, unicode);
  switch (index) {
    case GWL_WNDPROC: {
      // A window subclassed with the other character set's procedure gets messages in that form;
      // a procedure handle brings back the form of the procedure it names.
      procs::Resolved p = procs::resolve(reinterpret_cast<WNDPROC>(value), unicode);
      w->proc = p.proc;
      w->unicode = p.unicode;
      break;
    }
    case GWL_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWL_HWNDPARENT:
      if (!w->parent) w->owner = reinterpret_cast<HWND>(value);
      break;
    case GWL_ID: w->id = UINT(value); break;
    case GWL_STYLE: w->style = DWORD(value); break;
    case GWL_EXSTYLE: w->exstyle = DWORD(value); break;
    case GWL_USERDATA: w->user_data = value; break;
    default:
      if (!extra_index_ok(*w, index)) return 0;
      std::memcpy(w->extra.data() + index, &value, sizeof value);
  }
  return before;
}

}  // namespace

extern "C" {

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) { return get(hWnd, nIndex, true); }
LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) { return get(hWnd, nIndex, false); }
LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) { return set(hWnd, nIndex, dwNewLong, true); }
LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) { return set(hWnd, nIndex, dwNewLong, false); }

}  // extern "C"
