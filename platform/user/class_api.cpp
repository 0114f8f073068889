// RegisterClass(Ex), UnregisterClass, GetClassInfo, GetClassName.
#include <windows.h>

#include "kernel/out_buffer.h"
#include "user/window.h"
#include "user/window_class.h"

namespace {

using namespace platform;
using namespace platform::user;

template <class ClassInfo>
ATOM register_from(const ClassInfo* info, bool unicode) {
  if (!info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowClass c;
  c.name = out::in(info->lpszClassName);
  c.style = info->style;
  c.proc = info->lpfnWndProc;
  c.unicode = unicode;
  c.class_extra = info->cbClsExtra;
  c.window_extra = info->cbWndExtra;
  c.instance = info->hInstance;
  c.icon = info->hIcon;
  c.cursor = info->hCursor;
  c.background = info->hbrBackground;
  return register_class(std::move(c));
}

template <class ClassInfoEx>
ATOM register_ex(const ClassInfoEx* info, bool unicode) {
  if (!info || info->cbSize != sizeof(ClassInfoEx)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return register_from(info, unicode);
}

}  // namespace

extern "C" {

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass) { return register_from(lpWndClass, true); }
ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) { return register_from(lpWndClass, false); }
ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* lpwcx) { return register_ex(lpwcx, true); }
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* lpwcx) { return register_ex(lpwcx, false); }

BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE) {
  std::shared_ptr<const WindowClass> c = find_class(lpClassName);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  return unregister_class(c->name);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
  std::u16string name = out::in(lpClassName);
  return UnregisterClassW(reinterpret_cast<uintptr_t>(lpClassName) < 0x10000 ? reinterpret_cast<LPCWSTR>(lpClassName)
                                                                              : text::wide(name),
                          hInstance);
}

BOOL WINAPI GetClassInfoExW(HINSTANCE, LPCWSTR lpszClass, LPWNDCLASSEXW lpwcx) {
  std::shared_ptr<const WindowClass> c = find_class(lpszClass);
  if (!c || !lpwcx) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *lpwcx = WNDCLASSEXW{sizeof(WNDCLASSEXW), c->style, c->proc, c->class_extra, c->window_extra, c->instance,
                       c->icon, c->cursor, c->background, nullptr, lpszClass, c->icon};
  return c->atom;
}

BOOL WINAPI GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
  WNDCLASSEXW ex = {};
  if (!lpWndClass || !GetClassInfoExW(hInstance, lpClassName, &ex)) return FALSE;
  *lpWndClass = WNDCLASSW{ex.style, ex.lpfnWndProc, ex.cbClsExtra, ex.cbWndExtra, ex.hInstance,
                          ex.hIcon, ex.hCursor, ex.hbrBackground, nullptr, lpClassName};
  return TRUE;
}

int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
  WindowPtr w = window_of(hWnd);
  if (!w || nMaxCount <= 0) return 0;
  return int(out::truncated<char16_t>(w->window_class->name, reinterpret_cast<char16_t*>(lpClassName),
                                      size_t(nMaxCount)));
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  WindowPtr w = window_of(hWnd);
  if (!w || nMaxCount <= 0) return 0;
  return int(out::truncated<char>(text::to_ansi(w->window_class->name), lpClassName, size_t(nMaxCount)));
}

}  // extern "C"
