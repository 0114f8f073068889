// LoadIcon / LoadCursor, DrawIcon / DrawIconEx, DestroyIcon, and MessageBeep.
#include <windows.h>

#include "gdi/device_context.h"
#include "gdi/standard_icons.h"
#include "kernel/text.h"
#include "user/icons.h"

using namespace platform;

namespace platform::user::icons {
namespace {

constexpr uintptr_t kStandardBase = 0x00020000;
constexpr WORD kFirstStandard = 32512;
constexpr WORD kLastStandard = 32651;
// Handles for cursors from a program's resources.
constexpr uintptr_t kResourceBase = 0x00030000;
constexpr int kIconSize = 32;  // SM_CXICON, SM_CYICON

template <class Char>
HCURSOR load_cursor(HINSTANCE instance, const Char* name) {
  if (!instance) return load(nullptr, reinterpret_cast<LPCWSTR>(name), 0, 0, true);
  HRSRC found = nullptr;
  if constexpr (sizeof(Char) == 1) found = FindResourceA(instance, name, MAKEINTRESOURCEA(12));  // RT_GROUP_CURSOR
  else found = FindResourceW(instance, name, MAKEINTRESOURCEW(12));
  return found ? reinterpret_cast<HCURSOR>(kResourceBase + (reinterpret_cast<uintptr_t>(found) & 0xFFFF)) : nullptr;
}

// Draws the icon with its top left at (x, y), cx x cy (0 x 0: its own size), on the brush's
// colour when there is one.
bool draw(HDC hdc, int x, int y, HICON icon, int cx, int cy, HBRUSH background) {
  auto dc = gdi::dc_of(hdc);
  if (!dc) return false;
  std::shared_ptr<const Icon> loaded = find(icon);
  WORD id = standard_id(icon);
  if (!loaded && !id) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return false;
  }
  if (!cx && !cy) {
    cx = loaded ? int(loaded->size.cx) : kIconSize;
    cy = loaded ? int(loaded->size.cy) : kIconSize;
  }
  if (background) {
    RECT area{x, y, x + cx, y + cy};
    FillRect(hdc, &area, background);
  }
  gdi::Canvas canvas(*dc->surface);
  dc->prepare(canvas);
  if (loaded) gdi::paint_icon(canvas, *loaded->image, {x, y, cx, cy});
  else gdi::paint_standard_icon(canvas, x, y, id);
  return true;
}

}  // namespace

HICON standard(WORD id) { return reinterpret_cast<HICON>(kStandardBase + id); }

WORD standard_id(HICON icon) {
  uintptr_t v = reinterpret_cast<uintptr_t>(icon);
  return v >= kStandardBase + kFirstStandard && v <= kStandardBase + kLastStandard ? WORD(v - kStandardBase) : 0;
}

}  // namespace platform::user::icons

using namespace platform::user;

extern "C" {

// LoadIcon gives icons of SM_CXICON x SM_CYICON.
HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
  return icons::load(hInstance, lpIconName, icons::kIconSize, icons::kIconSize, true);
}
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (IS_INTRESOURCE(lpIconName)) return LoadIconW(hInstance, reinterpret_cast<LPCWSTR>(lpIconName));
  std::u16string name = text::from_ansi(lpIconName);
  return LoadIconW(hInstance, text::wide(name));
}
HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) { return icons::load_cursor(hInstance, lpCursorName); }
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) { return icons::load_cursor(hInstance, lpCursorName); }

// The standard icons and shared ones stay; destroying them does no harm.
BOOL WINAPI DestroyIcon(HICON hIcon) {
  if (icons::standard_id(hIcon) || icons::destroy(hIcon)) return TRUE;
  SetLastError(ERROR_INVALID_CURSOR_HANDLE);
  return FALSE;
}
BOOL WINAPI DestroyCursor(HCURSOR hCursor) { return DestroyIcon(hCursor); }

// DrawIcon draws at SM_CXICON x SM_CYICON.
BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
  return icons::draw(hDC, X, Y, hIcon, icons::kIconSize, icons::kIconSize, nullptr);
}

// Every icon here has one frame: istepIfAniCur has nothing to choose.
BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT,
                       HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
  if ((diFlags & DI_DEFAULTSIZE) && !cxWidth) cxWidth = icons::kIconSize;
  if ((diFlags & DI_DEFAULTSIZE) && !cyWidth) cyWidth = icons::kIconSize;
  return icons::draw(hdc, xLeft, yTop, hIcon, cxWidth, cyWidth, hbrFlickerFreeDraw);
}

// The machine has no speaker.
BOOL WINAPI MessageBeep(UINT) { return TRUE; }

}  // extern "C"
