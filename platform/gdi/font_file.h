// One stand-in font file, opened once for the process: glyph indices and advances in font
// units for measuring, and a cairo face for painting.
#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include <cairo.h>

namespace platform::gdi {

struct GlyphUnits {
  uint32_t index = 0;  // 0: the font has no glyph for the character
  int advance = 0;     // in font units
};

class FontFile {
 public:
  // Liberation Sans in the style asked for; several threads may use it at once.
  static FontFile& stand_in(bool bold, bool italic);

  GlyphUnits glyph(char32_t code_point);
  int units_per_em() const { return units_per_em_; }
  int ascender() const { return ascender_; }    // above the baseline, font units
  int descender() const { return descender_; }  // below the baseline, font units, positive
  cairo_font_face_t* cairo_face() const { return cairo_face_; }

  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

 private:
  explicit FontFile(const char* path);

  std::mutex mutex_;  // the measuring face and the cache
  void* measuring_face_ = nullptr;
  std::unordered_map<char32_t, GlyphUnits> glyphs_;
  int units_per_em_ = 2048;
  int ascender_ = 0;
  int descender_ = 0;
  cairo_font_face_t* cairo_face_ = nullptr;
};

}  // namespace platform::gdi
