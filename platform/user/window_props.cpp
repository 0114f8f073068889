// SetProp / GetProp / RemoveProp. Names compare as atoms do, without regard to case; an integer
// atom is a key of its own.
#include <windows.h>

#include <algorithm>
#include <string>

#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "user/window.h"

namespace {

using namespace platform;
using namespace platform::user;

template <class Char>
std::u16string key_of(const Char* name) {
  uintptr_t v = reinterpret_cast<uintptr_t>(name);
  if (v < 0x10000) return u"#" + text::from_ansi(std::to_string(v));
  return text::upper(out::in(name));
}

auto find(Window& w, const std::u16string& key) {
  return std::find_if(w.props.begin(), w.props.end(), [&](const auto& p) { return p.first == key; });
}

template <class Char>
BOOL set_prop(HWND hwnd, const Char* name, HANDLE data) {
  WindowPtr w = window_of(hwnd);
  if (!w) return FALSE;
  if (!name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::u16string key = key_of(name);
  auto it = find(*w, key);
  if (it != w->props.end()) it->second = data;
  else w->props.emplace_back(std::move(key), data);
  return TRUE;
}

template <class Char>
HANDLE get_prop(HWND hwnd, const Char* name) {
  WindowPtr w = window_of(hwnd);
  if (!w || !name) return nullptr;
  auto it = find(*w, key_of(name));
  return it == w->props.end() ? nullptr : it->second;
}

template <class Char>
HANDLE remove_prop(HWND hwnd, const Char* name) {
  WindowPtr w = window_of(hwnd);
  if (!w || !name) return nullptr;
  auto it = find(*w, key_of(name));
  if (it == w->props.end()) return nullptr;
  HANDLE data = it->second;
  w->props.erase(it);
  return data;
}

}  // namespace

extern "C" {

BOOL WINAPI SetPropW(HWND hWnd, LPCWSTR lpString, HANDLE hData) { return set_prop(hWnd, lpString, hData); }
BOOL WINAPI SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) { return set_prop(hWnd, lpString, hData); }
HANDLE WINAPI GetPropW(HWND hWnd, LPCWSTR lpString) { return get_prop(hWnd, lpString); }
HANDLE WINAPI GetPropA(HWND hWnd, LPCSTR lpString) { return get_prop(hWnd, lpString); }
HANDLE WINAPI RemovePropW(HWND hWnd, LPCWSTR lpString) { return remove_prop(hWnd, lpString); }
HANDLE WINAPI RemovePropA(HWND hWnd, LPCSTR lpString) { return remove_prop(hWnd, lpString); }

}  // extern "C"
