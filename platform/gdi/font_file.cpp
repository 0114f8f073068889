#include "gdi/font_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include <cairo-ft.h>

#include <array>
#include <stdexcept>
#include <string>

#include "gdi/font_files.h"

namespace platform::gdi {
namespace {

// FreeType wants face creation serialised per library: faces are opened under stand_in's lock
// and live for the process.
FT_Face open_face(const char* path) {
  static FT_Library library = nullptr;
  if (!library && FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType does not start");
  FT_Face face = nullptr;
  if (FT_New_Face(library, path, 0, &face) != 0)
    throw std::runtime_error(std::string("cannot open the font ") + path);
  return face;
}

}  // namespace

FontFile& FontFile::stand_in(bool bold, bool italic) {
  // Never destroyed: a thread may still paint while the process exits.
  static std::mutex mutex;
  static const std::array<std::string, 4>* paths = nullptr;
  static std::array<FontFile*, 4> files{};
  std::lock_guard lock(mutex);
  if (!paths) paths = new std::array<std::string, 4>(find_stand_in_font_files());
  int style = (bold ? 2 : 0) + (italic ? 1 : 0);
  if (!files[style]) files[style] = new FontFile((*paths)[style].c_str());
  return *files[style];
}

FontFile::FontFile(const char* path) {
  FT_Face face = open_face(path);
  measuring_face_ = face;
  units_per_em_ = face->units_per_EM;
  ascender_ = face->ascender;
  descender_ = -face->descender;
  // cairo locks its own face while it draws; measuring never touches that one.
  cairo_face_ = cairo_ft_font_face_create_for_ft_face(open_face(path), 0);
}

GlyphUnits FontFile::glyph(char32_t code_point) {
  std::lock_guard lock(mutex_);
  auto found = glyphs_.find(code_point);
  if (found != glyphs_.end()) return found->second;
  FT_Face face = static_cast<FT_Face>(measuring_face_);
  GlyphUnits glyph;
  glyph.index = FT_Get_Char_Index(face, code_point);
  FT_Fixed advance = 0;
  if (FT_Get_Advance(face, glyph.index, FT_LOAD_NO_SCALE, &advance) == 0) glyph.advance = int(advance);
  glyphs_.emplace(code_point, glyph);
  return glyph;
}

}  // namespace platform::gdi
