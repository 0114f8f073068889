// LoadIcon / LoadCursor and MessageBeep.
#include <windows.h>

#include "user/icons.h"

namespace platform::user::icons {
namespace {

constexpr uintptr_t kStandardBase = 0x00020000;
constexpr WORD kFirstStandard = 32512;
constexpr WORD kLastStandard = 32651;
// Handles for icons from a program's resources.
constexpr uintptr_t kResourceBase = 0x00030000;

}  // namespace

HICON standard(WORD id) { return reinterpret_cast<HICON>(kStandardBase + id); }

WORD standard_id(HICON icon) {
  uintptr_t v = reinterpret_cast<uintptr_t>(icon);
  return v >= kStandardBase + kFirstStandard && v <= kStandardBase + kLastStandard ? WORD(v - kStandardBase) : 0;
}

template <class Char>
HICON load(HINSTANCE instance, const Char* name, const Char* group_type) {
  uintptr_t id = reinterpret_cast<uintptr_t>(name);
  if (!instance) {
    if (id >= kFirstStandard && id <= kLastStandard) return standard(WORD(id));
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  HRSRC found = nullptr;
  if constexpr (sizeof(Char) == 1) found = FindResourceA(instance, name, group_type);
  else found = FindResourceW(instance, name, group_type);
  return found ? reinterpret_cast<HICON>(kResourceBase + (reinterpret_cast<uintptr_t>(found) & 0xFFFF)) : nullptr;
}

}  // namespace platform::user::icons

using platform::user::icons::load;

extern "C" {

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
  return load(hInstance, lpIconName, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
}
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  return load(hInstance, lpIconName, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
}
HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) {
  return load(hInstance, lpCursorName, MAKEINTRESOURCEW(12));  // RT_GROUP_CURSOR
}
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  return load(hInstance, lpCursorName, MAKEINTRESOURCEA(12));  // RT_GROUP_CURSOR
}

// The machine has no speaker.
BOOL WINAPI MessageBeep(UINT) { return TRUE; }

}  // extern "C"
