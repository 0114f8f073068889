#include "gdi/region.h"

#include <algorithm>

namespace platform::gdi {
namespace {

bool is_empty(const Rect& r) { return r.cx <= 0 || r.cy <= 0; }

}  // namespace

Rect intersection(const Rect& a, const Rect& b) {
  int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  int right = std::min(a.right(), b.right()), bottom = std::min(a.bottom(), b.bottom());
  if (right <= left || bottom <= top) return {left, top, 0, 0};
  return {left, top, right - left, bottom - top};
}

std::vector<Rect> subtract(const Rect& r, const Rect& hole) {
  Rect cut = intersection(r, hole);
  if (is_empty(cut)) return {r};
  std::vector<Rect> pieces{
      {r.x, r.y, r.cx, cut.y - r.y},                            // above
      {r.x, cut.bottom(), r.cx, r.bottom() - cut.bottom()},     // below
      {r.x, cut.y, cut.x - r.x, cut.cy},                        // left
      {cut.right(), cut.y, r.right() - cut.right(), cut.cy},    // right
  };
  std::erase_if(pieces, is_empty);
  return pieces;
}

Rect Region::bounds() const {
  if (rects_.empty()) return {};
  int left = rects_[0].x, top = rects_[0].y, right = rects_[0].right(), bottom = rects_[0].bottom();
  for (const Rect& r : rects_) {
    left = std::min(left, r.x);
    top = std::min(top, r.y);
    right = std::max(right, r.right());
    bottom = std::max(bottom, r.bottom());
  }
  return {left, top, right - left, bottom - top};
}

bool Region::contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const Rect& r) { return x >= r.x && x < r.right() && y >= r.y && y < r.bottom(); });
}

void Region::add(const Rect& r) {
  if (is_empty(r)) return;
  std::vector<Rect> pieces{r};
  for (const Rect& existing : rects_) {
    std::vector<Rect> rest;
    for (const Rect& piece : pieces)
      for (const Rect& part : gdi::subtract(piece, existing)) rest.push_back(part);
    pieces.swap(rest);
  }
  rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

void Region::add(const Region& other) {
  for (const Rect& r : other.rects_) add(r);
}

void Region::subtract(const Rect& hole) {
  std::vector<Rect> rest;
  for (const Rect& r : rects_)
    for (const Rect& part : gdi::subtract(r, hole)) rest.push_back(part);
  rects_.swap(rest);
}

void Region::intersect(const Rect& clip) {
  for (Rect& r : rects_) r = intersection(r, clip);
  std::erase_if(rects_, is_empty);
}

void Region::intersect(const Region& other) {
  std::vector<Rect> kept;
  for (const Rect& r : rects_)
    for (const Rect& o : other.rects_) {
      Rect both = intersection(r, o);
      if (!is_empty(both)) kept.push_back(both);
    }
  rects_.swap(kept);
}

void Region::offset(int dx, int dy) {
  for (Rect& r : rects_) {
    r.x += dx;
    r.y += dy;
  }
}

}  // namespace platform::gdi
