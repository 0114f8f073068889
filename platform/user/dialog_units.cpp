// MapDialogRect and GetDialogBaseUnits.
#include "user/dialog_units.h"

#include "user/dialog_state.h"

namespace platform::user::dialog_units {
namespace {

LONG scale(LONG value, int numerator, int denominator) {
  long long v = (long long)value * numerator;
  // MulDiv rounds half away from zero.
  return LONG(v >= 0 ? (v + denominator / 2) / denominator : -((-v + denominator / 2) / denominator));
}

}  // namespace

gdi::Size base_units(const gdi::Font& font) { return gdi::dialog_base_units(font); }

RECT to_pixels(const RECT& u, const gdi::Size& base) {
  return RECT{scale(u.left, base.cx, 4), scale(u.top, base.cy, 8), scale(u.right, base.cx, 4),
              scale(u.bottom, base.cy, 8)};
}

}  // namespace platform::user::dialog_units

using namespace platform::user;

extern "C" {

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  DialogState* d = dialog_state(hDlg);
  if (!d || !lpRect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = dialog_units::to_pixels(*lpRect, d->base_units);
  return TRUE;
}

// The base units of the system font.
LONG WINAPI GetDialogBaseUnits(void) { return MAKELONG(8, 16); }

}  // extern "C"
