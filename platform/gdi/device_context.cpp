#include "gdi/device_context.h"

namespace platform::gdi {

Font DeviceContext::font() const {
  if (auto f = font_object(state.font)) return f->font;
  return font_object(GetStockObject(SYSTEM_FONT))->font;
}

void DeviceContext::prepare(Canvas& canvas) const {
  if (clip) canvas.clip(*clip);
  canvas.translate(origin.x, origin.y);
}

bool DeviceContext::drawable(int x, int y) const {
  if (x < 0 || y < 0 || x >= surface->width() || y >= surface->height()) return false;
  return !clip || clip->contains(x, y);
}

std::shared_ptr<DeviceContext> dc_of(HDC hdc) { return objects::find_as<DeviceContext>(hdc); }

HDC create_surface_dc(std::shared_ptr<Surface> surface, POINT origin, Region clip) {
  auto dc = std::make_shared<DeviceContext>(false);
  dc->surface = std::move(surface);
  dc->origin = origin;
  dc->clip = std::move(clip);
  dc->state.font = GetStockObject(SYSTEM_FONT);
  dc->state.brush = GetStockObject(WHITE_BRUSH);
  dc->state.pen = GetStockObject(BLACK_PEN);
  return static_cast<HDC>(objects::add(dc));
}

bool delete_dc(HDC hdc) { return dc_of(hdc) && objects::remove(hdc); }

}  // namespace platform::gdi
