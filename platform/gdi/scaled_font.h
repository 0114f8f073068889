// A Font as the desktop draws it: the stand-in file at the pixel size that fills the cell of the
// face the program named, with whole-pixel advances (no kerning), so that measuring and painting agree.
#pragma once

#include <string_view>
#include <vector>

#include "gdi/font_file.h"
#include "gdi/font.h"

namespace platform::gdi {

// Cell height over em height of the face a program names (Liberation Sans' own for faces it
// does not know): the same cell then holds text of the named face's size.
double cell_per_em(std::u16string_view face);

struct PlacedGlyph {
  uint32_t index;
  int x;  // from the start of the text
};

class ScaledFont {
 public:
  explicit ScaledFont(const Font& font);

  int pixels_per_em() const { return ppem_; }
  int cell_height() const { return cell_; }
  int baseline() const { return baseline_; }  // from the top of the cell
  bool underline() const { return underline_; }
  FontFile& file() const { return *file_; }

  int advance(char32_t code_point) const;
  int width(std::u16string_view text) const;
  std::vector<PlacedGlyph> place(std::u16string_view text) const;

 private:
  int pixels(int font_units) const;

  FontFile* file_;
  int ppem_;
  int cell_;
  int baseline_;
  bool underline_;
};

}  // namespace platform::gdi
