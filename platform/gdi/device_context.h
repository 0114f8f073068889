// Device contexts: where drawing lands (a window's surface or the bitmap selected into a memory
// DC), the origin and clip there, and the objects and modes drawing uses.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "gdi/objects.h"
#include "gdi/region.h"

namespace platform::gdi {

struct DcState {
  HGDIOBJ font = nullptr;
  HGDIOBJ brush = nullptr;
  HGDIOBJ pen = nullptr;
  HGDIOBJ bitmap = nullptr;  // memory DCs only
  COLORREF text_color = 0x000000;
  COLORREF bk_color = 0xFFFFFF;
  int bk_mode = OPAQUE;
  UINT text_align = TA_LEFT | TA_TOP;
};

struct DeviceContext final : Object {
  explicit DeviceContext(bool memory_dc) : Object(memory_dc ? OBJ_MEMDC : OBJ_DC) {}

  std::shared_ptr<Surface> surface;
  POINT origin{};              // logical (0, 0) in surface pixels
  std::optional<Region> clip;  // in surface pixels; none: the whole surface
  DcState state;
  std::vector<DcState> saved;  // SaveDC

  bool memory() const { return type == OBJ_MEMDC; }
  Font font() const;
  // A canvas over the surface, clipped and with the origin at logical (0, 0).
  void prepare(Canvas& canvas) const;
  // Whether the surface pixel (x, y) may be drawn.
  bool drawable(int x, int y) const;
};

std::shared_ptr<DeviceContext> dc_of(HDC hdc);  // null for a handle that names no DC
// A DC on a window's surface; `clip` in surface pixels.
HDC create_surface_dc(std::shared_ptr<Surface> surface, POINT origin, Region clip);
bool delete_dc(HDC hdc);

}  // namespace platform::gdi
