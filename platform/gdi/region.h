// An area of pixels as disjoint rectangles: update regions, and the clip of a device context.
#pragma once

#include <vector>

#include "gdi/canvas.h"

namespace platform::gdi {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& r) { add(r); }

  bool empty() const { return rects_.empty(); }
  const std::vector<Rect>& rects() const { return rects_; }
  Rect bounds() const;  // {0, 0, 0, 0} when empty
  bool contains(int x, int y) const;

  void add(const Rect& r);
  void add(const Region& other);
  void subtract(const Rect& r);
  void intersect(const Rect& r);
  void intersect(const Region& other);
  void offset(int dx, int dy);

 private:
  std::vector<Rect> rects_;
};

// r without the part that `hole` covers: up to four rectangles.
std::vector<Rect> subtract(const Rect& r, const Rect& hole);
Rect intersection(const Rect& a, const Rect& b);  // cx or cy 0 when they do not meet

}  // namespace platform::gdi
