#include "gdi/scaled_font.h"

#include <algorithm>
#include <cmath>

#include "kernel/text.h"

namespace platform::gdi {
namespace {

// Ascent plus descent over the em square, from the faces' own tables.
constexpr double kTahomaCell = 2472.0 / 2048.0;
constexpr double kSegoeCell = 2724.0 / 2048.0;
constexpr double kLiberationCell = 2288.0 / 2048.0;

template <typename Visit>
void for_each_code_point(std::u16string_view text, Visit visit) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    visit(c);
  }
}

}  // namespace

double cell_per_em(std::u16string_view face) {
  for (const char16_t* dialog_face : {u"MS Shell Dlg", u"MS Shell Dlg 2", u"MS Sans Serif", u"Tahoma"})
    if (text::iequals(face, dialog_face)) return kTahomaCell;
  if (text::iequals(face, u"Segoe UI")) return kSegoeCell;
  return kLiberationCell;
}

ScaledFont::ScaledFont(const Font& font)
    : file_(&FontFile::stand_in(font.weight >= 600, font.italic)),
      ppem_(std::max(1, int(std::lround(font.height_px / cell_per_em(font.face))))),
      cell_(std::max(1, font.height_px)),
      underline_(font.underline) {
  // The stand-in's own ascent and descent sit centred in the cell.
  double ascent = double(file_->ascender()) * ppem_ / file_->units_per_em();
  double descent = double(file_->descender()) * ppem_ / file_->units_per_em();
  baseline_ = int(std::lround((cell_ - ascent - descent) / 2 + ascent));
}

int ScaledFont::pixels(int font_units) const {
  return int(std::lround(double(font_units) * ppem_ / file_->units_per_em()));
}

int ScaledFont::advance(char32_t code_point) const { return pixels(file_->glyph(code_point).advance); }

int ScaledFont::width(std::u16string_view text) const {
  int total = 0;
  for_each_code_point(text, [&](char32_t c) { total += advance(c); });
  return total;
}

std::vector<PlacedGlyph> ScaledFont::place(std::u16string_view text) const {
  std::vector<PlacedGlyph> glyphs;
  int x = 0;
  for_each_code_point(text, [&](char32_t c) {
    GlyphUnits g = file_->glyph(c);
    glyphs.push_back({g.index, x});
    x += pixels(g.advance);
  });
  return glyphs;
}

}  // namespace platform::gdi
