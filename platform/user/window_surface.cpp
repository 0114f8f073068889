#include "user/window_surface.h"

#include <map>
#include <mutex>

namespace platform::user::paint {

std::shared_ptr<gdi::Surface> surface_of(const Window& root) {
  static std::mutex mutex;
  static auto* surfaces = new std::map<HWND, std::shared_ptr<gdi::Surface>>;
  int width = root.rect.right - root.rect.left;
  int height = root.rect.bottom - root.rect.top;
  std::lock_guard g(mutex);
  // The pictures of windows that are gone go with them.
  std::erase_if(*surfaces, [](const auto& entry) { return !find_window(entry.first); });
  std::shared_ptr<gdi::Surface>& surface = (*surfaces)[root.hwnd];
  if (!surface || surface->width() != std::max(1, width) || surface->height() != std::max(1, height)) {
    auto resized = std::make_shared<gdi::Surface>(width, height, gdi::colors::kBtnFace);
    if (surface) resized->copy_from(*surface);
    surface = resized;
  }
  return surface;
}

}  // namespace platform::user::paint
