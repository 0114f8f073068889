// LoadLibrary, GetProcAddress and FreeLibrary over the machine's built-in DLLs.
#include <windows.h>

#include "kernel/builtin_modules.h"
#include "kernel/out_buffer.h"

namespace {

HMODULE load(LPCWSTR name) {
  HMODULE module = name ? platform::modules::load(platform::out::in(name)) : nullptr;
  if (!module) SetLastError(ERROR_MOD_NOT_FOUND);
  return module;
}

}  // namespace

extern "C" {

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  std::u16string wide = platform::out::in(lpLibFileName);
  return load(lpLibFileName ? reinterpret_cast<LPCWSTR>(wide.c_str()) : nullptr);
}

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) { return load(lpLibFileName); }

// A built-in DLL stays loaded, as an imported one does.
BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  if (platform::modules::is_builtin(hLibModule)) return TRUE;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return FALSE;
}

// By name only: an ordinal (a value below 0x10000 in place of the name) finds nothing.
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (!platform::modules::is_builtin(hModule) && hModule != GetModuleHandleW(nullptr)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  FARPROC function = uintptr_t(lpProcName) >> 16 ? platform::modules::export_of(hModule, lpProcName) : nullptr;
  if (!function) SetLastError(ERROR_PROC_NOT_FOUND);
  return function;
}

}  // extern "C"
