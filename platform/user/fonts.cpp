#include "user/fonts.h"

#include <mutex>
#include <vector>

namespace platform::user::fonts {
namespace {

constexpr uintptr_t kBase = 0x00040000;

struct Fonts {
  std::mutex mutex;
  std::vector<gdi::Font> list;  // handle = kBase + index
};

Fonts& fonts() {
  static auto* f = new Fonts;
  return *f;
}

bool same(const gdi::Font& a, const gdi::Font& b) {
  return a.face == b.face && a.height_px == b.height_px && a.weight == b.weight && a.italic == b.italic;
}

}  // namespace

HFONT handle_for(const gdi::Font& font) {
  Fonts& f = fonts();
  std::lock_guard g(f.mutex);
  size_t i = 0;
  while (i < f.list.size() && !same(f.list[i], font)) ++i;
  if (i == f.list.size()) f.list.push_back(font);
  return reinterpret_cast<HFONT>(kBase + i);
}

gdi::Font font_of(HFONT font) {
  Fonts& f = fonts();
  std::lock_guard g(f.mutex);
  uintptr_t v = reinterpret_cast<uintptr_t>(font);
  if (v >= kBase && v - kBase < f.list.size()) return f.list[v - kBase];
  return gdi::message_font();
}

}  // namespace platform::user::fonts
