// GetSysColor, GetSysColorBrush: Windows 7's standard scheme.
#include "user/sys_colors.h"

#include <array>

#include "gdi/colors.h"
#include "gdi/objects.h"

namespace platform::user::colors {
namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;

constexpr COLORREF ref(gdi::Color c) { return RGB(c.r, c.g, c.b); }

constexpr std::array<COLORREF, kColorCount> kScheme = [] {
  std::array<COLORREF, kColorCount> c{};
  c[COLOR_SCROLLBAR] = RGB(0xC8, 0xC8, 0xC8);
  c[COLOR_BACKGROUND] = RGB(0x00, 0x00, 0x00);
  c[COLOR_ACTIVECAPTION] = ref(gdi::colors::kActiveCaption);
  c[COLOR_INACTIVECAPTION] = RGB(0xBF, 0xCD, 0xDB);
  c[COLOR_MENU] = ref(gdi::colors::kBtnFace);
  c[COLOR_WINDOW] = ref(gdi::colors::kWindow);
  c[COLOR_WINDOWFRAME] = ref(gdi::colors::kWindowFrame);
  c[COLOR_MENUTEXT] = ref(gdi::colors::kWindowText);
  c[COLOR_WINDOWTEXT] = ref(gdi::colors::kWindowText);
  c[COLOR_CAPTIONTEXT] = ref(gdi::colors::kCaptionText);
  c[COLOR_ACTIVEBORDER] = RGB(0xB4, 0xB4, 0xB4);
  c[COLOR_INACTIVEBORDER] = RGB(0xF4, 0xF7, 0xFC);
  c[COLOR_APPWORKSPACE] = RGB(0xAB, 0xAB, 0xAB);
  c[COLOR_HIGHLIGHT] = RGB(0x33, 0x99, 0xFF);
  c[COLOR_HIGHLIGHTTEXT] = RGB(0xFF, 0xFF, 0xFF);
  c[COLOR_BTNFACE] = ref(gdi::colors::kBtnFace);
  c[COLOR_BTNSHADOW] = ref(gdi::colors::kBtnShadow);
  c[COLOR_GRAYTEXT] = ref(gdi::colors::kGrayText);
  c[COLOR_BTNTEXT] = ref(gdi::colors::kWindowText);
  c[COLOR_INACTIVECAPTIONTEXT] = RGB(0x43, 0x4E, 0x54);
  c[COLOR_BTNHIGHLIGHT] = ref(gdi::colors::kBtnHighlight);
  c[COLOR_3DDKSHADOW] = ref(gdi::colors::kDarkShadow);
  c[COLOR_3DLIGHT] = ref(gdi::colors::kLight);
  c[COLOR_INFOTEXT] = RGB(0x00, 0x00, 0x00);
  c[COLOR_INFOBK] = RGB(0xFF, 0xFF, 0xE1);
  c[COLOR_HOTLIGHT] = RGB(0x00, 0x66, 0xCC);
  c[COLOR_GRADIENTACTIVECAPTION] = ref(gdi::colors::kCaptionGradient);
  c[COLOR_GRADIENTINACTIVECAPTION] = RGB(0xD7, 0xE4, 0xF2);
  c[COLOR_MENUHILIGHT] = RGB(0x33, 0x99, 0xFF);
  c[COLOR_MENUBAR] = ref(gdi::colors::kBtnFace);
  return c;
}();

}  // namespace

std::optional<COLORREF> brush_color(HBRUSH brush) {
  auto index = reinterpret_cast<uintptr_t>(brush);
  if (index >= 1 && index <= kColorCount) return kScheme[index - 1];
  auto object = gdi::objects::find_as<gdi::BrushObject>(brush);
  if (!object || object->log.lbStyle == BS_NULL) return std::nullopt;
  return object->log.lbColor;
}

}  // namespace platform::user::colors

using platform::user::colors::kColorCount;
using platform::user::colors::kScheme;

extern "C" {

DWORD WINAPI GetSysColor(int nIndex) { return nIndex >= 0 && nIndex < kColorCount ? kScheme[size_t(nIndex)] : 0; }

// The system's brushes are permanent: deleting one does nothing.
HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  if (nIndex < 0 || nIndex >= kColorCount) return nullptr;
  static const std::array<HBRUSH, kColorCount> brushes = [] {
    std::array<HBRUSH, kColorCount> b{};
    for (int i = 0; i < kColorCount; ++i) {
      auto brush = std::make_shared<platform::gdi::BrushObject>();
      brush->log = {BS_SOLID, kScheme[size_t(i)], 0};
      b[size_t(i)] = static_cast<HBRUSH>(platform::gdi::objects::add(brush, true));
    }
    return b;
  }();
  return brushes[size_t(nIndex)];
}

}  // extern "C"
