// The running program's module: its handle and its file name.
#include <windows.h>

#include "kernel/builtin_modules.h"
#include "kernel/out_buffer.h"
#include "kernel/process_identity.h"
#include "kernel/text.h"

namespace {

using namespace platform;

// The program's image lies at the default base address of a 64-bit executable, above 4 GiB.
HMODULE program_module() { return reinterpret_cast<HMODULE>(uintptr_t(0x140000000)); }

// The file part of the image, and the same without ".exe", name the program too.
bool names_program(const std::u16string& name) {
  const std::u16string& image = process::image_path();
  if (text::iequals(name, image)) return true;
  std::u16string file = image.substr(image.rfind(u'\\') + 1);
  if (text::iequals(name, file)) return true;
  return file.size() > 4 && text::iequals(file.substr(file.size() - 4), u".exe") &&
         text::iequals(name, file.substr(0, file.size() - 4));
}

HMODULE module_handle(const std::u16string* name) {
  if (!name || names_program(*name)) return program_module();
  if (HMODULE builtin = modules::find(*name)) return builtin;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

// Truncates to nSize - 1 characters and a NUL and reports ERROR_INSUFFICIENT_BUFFER when the
// name does not fit (the behaviour since Vista).
template <class Unit>
DWORD module_file_name(HMODULE module, std::basic_string_view<Unit> name, Unit* buffer, DWORD size) {
  if (module && module != program_module()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  size_t copied = out::truncated(name, buffer, size);
  if (copied < name.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  return DWORD(copied);
}

}  // namespace

extern "C" {

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  std::string ansi = text::to_ansi(process::image_path());
  return module_file_name<char>(module, ansi, buffer, size);
}

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
  return module_file_name<char16_t>(module, process::image_path(), reinterpret_cast<char16_t*>(buffer), size);
}

HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
  std::u16string wide = out::in(name);
  return module_handle(name ? &wide : nullptr);
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR name) {
  std::u16string wide = out::in(name);
  return module_handle(name ? &wide : nullptr);
}

}  // extern "C"
