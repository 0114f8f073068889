#include "user/screenshot.h"

#include "user/window.h"
#include "user/window_surface.h"

namespace platform::user::paint {

bool screenshot(HWND top, const std::string& png_path) {
  WindowPtr w = find_window(top);
  if (!w) return false;
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return surface_of(*w)->write_png(png_path);
}

}  // namespace platform::user::paint
