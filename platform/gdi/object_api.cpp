// Creating, describing and deleting GDI objects.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "gdi/device_context.h"
#include "kernel/text.h"

using namespace platform;
using namespace platform::gdi;

namespace {

template <class Record>
int copy_out(const Record& record, int size, void* out) {
  if (!out) return int(sizeof(Record));
  int n = std::min(size, int(sizeof(Record)));
  if (n <= 0) return 0;
  std::memcpy(out, &record, size_t(n));
  return n;
}

BITMAP describe(const BitmapObject& b) {
  LONG width = b.surface->width();
  // A device-dependent bitmap's rows are whole 16-bit words.
  LONG row_bytes = (width * b.bits_pixel + 15) / 16 * 2;
  return BITMAP{0, width, b.surface->height(), row_bytes, 1, WORD(b.bits_pixel), nullptr};
}

LOGFONTA ansi_log(const LOGFONTW& w) {
  LOGFONTA a{};
  std::memcpy(&a, &w, offsetof(LOGFONTW, lfFaceName));
  size_t n = 0;
  while (n < LF_FACESIZE && w.lfFaceName[n]) ++n;
  std::string face = text::to_ansi(std::u16string_view(reinterpret_cast<const char16_t*>(w.lfFaceName), n));
  std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), a.lfFaceName);
  return a;
}

// The bitmap a DC draws into, when CreateCompatibleBitmap asks for one like it.
int bits_like(HDC hdc) {
  auto dc = dc_of(hdc);
  if (!dc || !dc->memory()) return 32;
  auto selected = objects::find_as<BitmapObject>(dc->state.bitmap);
  return selected ? selected->bits_pixel : 32;
}

int get_object(HANDLE h, int c, LPVOID pv, bool ansi) {
  std::shared_ptr<Object> object = objects::find(h);
  if (!object) return 0;
  if (auto font = std::dynamic_pointer_cast<FontObject>(object))
    return ansi ? copy_out(ansi_log(font->log), c, pv) : copy_out(font->log, c, pv);
  if (auto brush = std::dynamic_pointer_cast<BrushObject>(object)) return copy_out(brush->log, c, pv);
  if (auto pen = std::dynamic_pointer_cast<PenObject>(object)) return copy_out(pen->log, c, pv);
  if (auto bitmap = std::dynamic_pointer_cast<BitmapObject>(object)) return copy_out(describe(*bitmap), c, pv);
  return 0;
}

}  // namespace

extern "C" {

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  std::shared_ptr<Object> object = objects::find(ho);
  if (!object || object->type == OBJ_DC || object->type == OBJ_MEMDC) return FALSE;
  return objects::remove(ho);
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  std::shared_ptr<Object> object = objects::find(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return object->type;
}

int WINAPI GetObjectW(HANDLE h, int c, LPVOID pv) { return get_object(h, c, pv, false); }
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) { return get_object(h, c, pv, true); }

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  auto brush = std::make_shared<BrushObject>();
  brush->log = {BS_SOLID, color & 0xFFFFFF, 0};
  return static_cast<HBRUSH>(objects::add(brush));
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  auto pen = std::make_shared<PenObject>();
  pen->log = {UINT(iStyle), {std::max(1, cWidth), 0}, color & 0xFFFFFF};
  return static_cast<HPEN>(objects::add(pen));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  if (!dc_of(hdc) || cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A new bitmap's pixels are black.
  return static_cast<HBITMAP>(objects::add(std::make_shared<BitmapObject>(cx, cy, bits_like(hdc), Color{0, 0, 0})));
}

}  // extern "C"
