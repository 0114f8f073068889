// Fonts as GDI objects: CreateFont and CreateFontIndirect, and the window manager's own fonts.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>

#include "gdi/objects.h"
#include "gdi/scaled_font.h"
#include "kernel/text.h"

namespace platform::gdi {
namespace {

// What a font with no face name and no height gets: the faces of the dialog font, at 12 pixels
// a character.
constexpr const char16_t* kDefaultFace = u"MS Shell Dlg";
constexpr int kDefaultEm = 12;

std::u16string face_of(const LOGFONTW& log) {
  size_t n = 0;
  while (n < LF_FACESIZE && log.lfFaceName[n]) ++n;
  return n ? std::u16string(reinterpret_cast<const char16_t*>(log.lfFaceName), n) : kDefaultFace;
}

HFONT add_font(const LOGFONTW& log, const Font& font, bool permanent) {
  auto object = std::make_shared<FontObject>();
  object->log = log;
  object->font = font;
  return static_cast<HFONT>(objects::add(object, permanent));
}

LOGFONTW log_from_ansi(const LOGFONTA& a) {
  LOGFONTW w{};
  std::memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
  size_t n = 0;
  while (n < LF_FACESIZE && a.lfFaceName[n]) ++n;
  std::u16string face = text::from_ansi(std::string_view(a.lfFaceName, n));
  std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), w.lfFaceName);
  return w;
}

}  // namespace

// A negative height is the character (em) height, a positive one the cell height.
Font font_from_log(const LOGFONTW& log) {
  Font font;
  font.face = face_of(log);
  double cell_per = cell_per_em(font.face);
  if (log.lfHeight < 0) font.height_px = int(std::lround(-double(log.lfHeight) * cell_per));
  else if (log.lfHeight > 0) font.height_px = log.lfHeight;
  else font.height_px = int(std::lround(kDefaultEm * cell_per));
  font.weight = log.lfWeight > 0 ? int(log.lfWeight) : FW_NORMAL;
  font.italic = log.lfItalic != 0;
  font.underline = log.lfUnderline != 0;
  return font;
}

LOGFONTW log_from_font(const Font& font) {
  LOGFONTW log{};
  log.lfHeight = -LONG(std::lround(font.height_px / cell_per_em(font.face)));
  log.lfWeight = font.weight;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfCharSet = DEFAULT_CHARSET;
  std::copy_n(font.face.begin(), std::min<size_t>(font.face.size(), LF_FACESIZE - 1), log.lfFaceName);
  return log;
}

HFONT permanent_font(const Font& font) {
  static std::mutex mutex;
  static auto* made = new std::map<std::tuple<std::u16string, int, int, bool, bool>, HFONT>;
  std::lock_guard g(mutex);
  HFONT& handle = (*made)[{font.face, font.height_px, font.weight, font.italic, font.underline}];
  if (!handle) handle = add_font(log_from_font(font), font, true);
  return handle;
}

std::shared_ptr<FontObject> font_object(HGDIOBJ handle) { return objects::find_as<FontObject>(handle); }

}  // namespace platform::gdi

using namespace platform::gdi;

extern "C" {

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return add_font(*lplf, font_from_log(*lplf), false);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTW wide = log_from_ansi(*lplf);
  return CreateFontIndirectW(&wide);
}

HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
  LOGFONTW log{cHeight, cWidth, cEscapement, cOrientation, cWeight, BYTE(bItalic), BYTE(bUnderline),
               BYTE(bStrikeOut), BYTE(iCharSet), BYTE(iOutPrecision), BYTE(iClipPrecision), BYTE(iQuality),
               BYTE(iPitchAndFamily), {}};
  std::u16string face = platform::text::from_wide(pszFaceName);
  std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), log.lfFaceName);
  return CreateFontIndirectW(&log);
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  std::u16string face = platform::text::from_ansi(pszFaceName ? pszFaceName : "");
  return CreateFontW(cHeight, cWidth, cEscapement, cOrientation, cWeight, bItalic, bUnderline, bStrikeOut, iCharSet,
                     iOutPrecision, iClipPrecision, iQuality, iPitchAndFamily, platform::text::wide(face));
}

}  // extern "C"
