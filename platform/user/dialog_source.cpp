#include "user/dialog_source.h"

namespace platform::user {
namespace {

// Large enough for any template a program builds in memory; the reader stops at its end.
constexpr size_t kInMemoryTemplateLimit = 0x10000;

template <class Char>
std::optional<DialogTemplate> from_resources(HINSTANCE instance, const Char* name) {
  HRSRC found;  // in RT_DIALOG (5)
  if constexpr (sizeof(Char) == 1) found = FindResourceA(instance, name, MAKEINTRESOURCEA(5));
  else found = FindResourceW(instance, name, MAKEINTRESOURCEW(5));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  std::optional<DialogTemplate> t = parse_dialog_template(bytes, SizeofResource(instance, found));
  if (!t) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
  return t;
}

}  // namespace

std::optional<DialogTemplate> dialog_from_resources(HINSTANCE instance, LPCWSTR name) {
  return from_resources(instance, name);
}

std::optional<DialogTemplate> dialog_from_resources(HINSTANCE instance, LPCSTR name) {
  return from_resources(instance, name);
}

std::optional<DialogTemplate> dialog_from_memory(const DLGTEMPLATE* t) {
  if (!t) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return parse_dialog_template(t, kInMemoryTemplateLimit);
}

}  // namespace platform::user
