#include "user/screenshot.h"

#include "user/window.h"
#include "user/window_surface.h"

namespace platform::user::paint {

bool screenshot(HWND top, const std::string& png_path) {
  WindowPtr w = find_window(top);
  if (!w) return false;
  // As on a screen, what was painted stays; only what waits to be painted is painted now.
  UpdateWindow(top);
  return surface_of(*w)->write_png(png_path);
}

}  // namespace platform::user::paint
