// The stock objects (GetStockObject) and the bitmap a memory DC starts with, made at first use.
#include <windows.h>

#include <array>
#include <mutex>

#include "gdi/objects.h"

namespace platform::gdi {
namespace {

constexpr int kStockCount = DC_PEN + 1;

HGDIOBJ brush(UINT style, COLORREF color) {
  auto b = std::make_shared<BrushObject>();
  b->log = {style, color, 0};
  return objects::add(b, true);
}

HGDIOBJ pen(UINT style, COLORREF color) {
  auto p = std::make_shared<PenObject>();
  p->log = {style, {1, 0}, color};
  return objects::add(p, true);
}

HGDIOBJ font(const char16_t* face, LONG height, LONG weight) {
  LOGFONTW log{};
  log.lfHeight = height;
  log.lfWeight = weight;
  log.lfCharSet = DEFAULT_CHARSET;
  for (int i = 0; face[i] && i < LF_FACESIZE - 1; ++i) log.lfFaceName[i] = face[i];
  auto f = std::make_shared<FontObject>();
  f->log = log;
  f->font = font_from_log(log);
  return objects::add(f, true);
}

std::array<HGDIOBJ, kStockCount> make_stock() {
  std::array<HGDIOBJ, kStockCount> s{};
  s[WHITE_BRUSH] = brush(BS_SOLID, RGB(255, 255, 255));
  s[LTGRAY_BRUSH] = brush(BS_SOLID, RGB(192, 192, 192));
  s[GRAY_BRUSH] = brush(BS_SOLID, RGB(128, 128, 128));
  s[DKGRAY_BRUSH] = brush(BS_SOLID, RGB(64, 64, 64));
  s[BLACK_BRUSH] = brush(BS_SOLID, RGB(0, 0, 0));
  s[NULL_BRUSH] = brush(BS_NULL, 0);
  s[WHITE_PEN] = pen(PS_SOLID, RGB(255, 255, 255));
  s[BLACK_PEN] = pen(PS_SOLID, RGB(0, 0, 0));
  s[NULL_PEN] = pen(PS_NULL, 0);
  s[SYSTEM_FONT] = font(u"System", 16, FW_BOLD);
  s[DEVICE_DEFAULT_FONT] = s[SYSTEM_FONT];
  s[OEM_FIXED_FONT] = font(u"Terminal", 12, FW_NORMAL);
  s[ANSI_FIXED_FONT] = font(u"Courier", 13, FW_NORMAL);
  s[SYSTEM_FIXED_FONT] = font(u"Fixedsys", 15, FW_NORMAL);
  s[ANSI_VAR_FONT] = font(u"MS Sans Serif", 13, FW_NORMAL);
  s[DEFAULT_GUI_FONT] = font(u"MS Shell Dlg", -11, FW_NORMAL);
  s[DC_BRUSH] = brush(BS_SOLID, RGB(255, 255, 255));
  s[DC_PEN] = pen(PS_SOLID, RGB(0, 0, 0));
  return s;
}

const std::array<HGDIOBJ, kStockCount>& stock() {
  static const std::array<HGDIOBJ, kStockCount> objects = make_stock();
  return objects;
}

}  // namespace

HBITMAP default_bitmap() {
  static const HBITMAP bitmap =
      static_cast<HBITMAP>(objects::add(std::make_shared<BitmapObject>(1, 1, 1, Color{0, 0, 0}), true));
  return bitmap;
}

}  // namespace platform::gdi

extern "C" HGDIOBJ WINAPI GetStockObject(int i) {
  if (i < 0 || i >= platform::gdi::kStockCount) return nullptr;
  return platform::gdi::stock()[i];  // DEFAULT_PALETTE has none: null
}
