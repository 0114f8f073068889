// The resource functions over the program's embedded resources.
#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cstring>

#include "kernel/builtin_modules.h"
#include "kernel/resource_image.h"
#include "kernel/text.h"

namespace {

using namespace platform;
using resources::Entry;
using resources::Image;

// The resources of `module`: null or the program's handle is the program; the machine's DLLs
// have none.
const Image* image_of(HMODULE module) {
  if (!module || module == GetModuleHandleW(nullptr)) return &resources::program();
  SetLastError(modules::is_builtin(module) ? ERROR_RESOURCE_DATA_NOT_FOUND : ERROR_INVALID_HANDLE);
  return nullptr;
}

// MAKEINTRESOURCE values, "#123" and names.
NameOrOrdinal key_of(std::u16string text) {
  NameOrOrdinal key;
  if (text.size() > 1 && text[0] == u'#') {
    std::string digits = text::utf8(text.substr(1));
    unsigned value = 0;
    auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (failure == std::errc() && end == digits.data() + digits.size() && value <= 0xFFFF) {
      key.is_ordinal = true;
      key.ordinal = uint16_t(value);
      return key;
    }
  }
  key.text = std::move(text);
  return key;
}

NameOrOrdinal key_of(LPCWSTR id) {
  if (IS_INTRESOURCE(id)) return {true, uint16_t(reinterpret_cast<uintptr_t>(id)), {}};
  return key_of(text::from_wide(id));
}

NameOrOrdinal key_of(LPCSTR id) {
  if (IS_INTRESOURCE(id)) return {true, uint16_t(reinterpret_cast<uintptr_t>(id)), {}};
  return key_of(text::from_ansi(id));
}

HRSRC find(HMODULE module, const NameOrOrdinal& type, const NameOrOrdinal& name, WORD language) {
  const Image* image = image_of(module);
  if (!image) return nullptr;
  if (image->empty()) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  DWORD error = ERROR_SUCCESS;
  const Entry* entry = resources::find(*image, type, name, language, &error);
  if (!entry) SetLastError(error);
  return reinterpret_cast<HRSRC>(const_cast<Entry*>(entry));
}

// The entry an HRSRC of `module` stands for, or null for anything else.
const Entry* entry_of(HMODULE module, HRSRC info) {
  const Image* image = image_of(module);
  if (!image) return nullptr;
  for (const Entry& entry : *image) {
    if (reinterpret_cast<HRSRC>(const_cast<Entry*>(&entry)) == info) return &entry;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

// The string `id` of the string tables: bundle (id / 16) + 1 holds sixteen counted strings.
bool find_string(HINSTANCE instance, UINT id, std::u16string_view* text) {
  if (id > 0xFFFF) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return false;
  }
  const NameOrOrdinal type{true, 6, {}};
  const NameOrOrdinal bundle{true, uint16_t((id >> 4) + 1), {}};
  HRSRC info = find(instance, type, bundle, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  if (!info) return false;
  const Entry* entry = reinterpret_cast<const Entry*>(info);
  ByteReader reader(entry->data, entry->size);
  for (UINT index = 0; index < (id & 15); ++index) reader.skip(size_t(reader.u16()) * 2);
  size_t length = reader.u16();
  const uint8_t* chars = reader.take(length * 2);
  if (!reader.ok()) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return false;
  }
  *text = std::u16string_view(reinterpret_cast<const char16_t*>(chars), length);
  return true;
}

}  // namespace

extern "C" {

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  return find(module, key_of(type), key_of(name), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
  return find(module, key_of(type), key_of(name), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
  return find(module, key_of(type), key_of(name), language);
}

HRSRC WINAPI FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language) {
  return find(module, key_of(type), key_of(name), language);
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC info) {
  const Entry* entry = entry_of(module, info);
  return entry ? const_cast<uint8_t*>(entry->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL data) { return data; }

DWORD WINAPI SizeofResource(HMODULE module, HRSRC info) {
  const Entry* entry = entry_of(module, info);
  return entry ? entry->size : 0;
}

BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }

int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int size) {
  if (!buffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string_view text;
  bool found = find_string(instance, id, &text);
  if (size == 0) {
    if (!found) return 0;
    const WCHAR* pointer = reinterpret_cast<const WCHAR*>(text.data());
    std::memcpy(buffer, &pointer, sizeof pointer);
    return int(text.size());
  }
  if (size < 0) return 0;
  size_t copied = found ? std::min(text.size(), size_t(size) - 1) : 0;
  std::copy_n(text.data(), copied, reinterpret_cast<char16_t*>(buffer));
  buffer[copied] = 0;
  return int(copied);
}

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
  if (!buffer || size <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string_view text;
  std::string ansi = find_string(instance, id, &text) ? text::to_ansi(text) : std::string();
  size_t copied = std::min(ansi.size(), size_t(size) - 1);
  std::copy_n(ansi.data(), copied, buffer);
  buffer[copied] = 0;
  return int(copied);
}

}  // extern "C"
