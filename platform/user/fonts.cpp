#include "user/fonts.h"

#include "gdi/objects.h"

namespace platform::user::fonts {

HFONT handle_for(const gdi::Font& font) { return gdi::permanent_font(font); }

gdi::Font font_of(HFONT font) {
  auto object = gdi::font_object(font);
  return object ? object->font : gdi::message_font();
}

}  // namespace platform::user::fonts
