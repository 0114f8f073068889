// Points, sizes and rectangles as value classes over the Windows structures, so that they pass
// wherever a POINT, SIZE, RECT or a pointer to one is expected.
#pragma once

#include <windows.h>

class CSize : public tagSIZE {
 public:
  CSize() noexcept : tagSIZE{0, 0} {}
  CSize(int initCX, int initCY) noexcept : tagSIZE{initCX, initCY} {}
  CSize(SIZE initSize) noexcept : tagSIZE(initSize) {}

  BOOL operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
  BOOL operator!=(SIZE size) const noexcept { return !(*this == size); }
  CSize operator+(SIZE size) const noexcept { return CSize(cx + size.cx, cy + size.cy); }
  CSize operator-(SIZE size) const noexcept { return CSize(cx - size.cx, cy - size.cy); }
};

class CPoint : public tagPOINT {
 public:
  CPoint() noexcept : tagPOINT{0, 0} {}
  CPoint(int initX, int initY) noexcept : tagPOINT{initX, initY} {}
  CPoint(POINT initPt) noexcept : tagPOINT(initPt) {}
  // The point packed in a message's lParam: x in the low word, y in the high word, both signed.
  explicit CPoint(LPARAM dwPoint) noexcept
      : tagPOINT{static_cast<short>(LOWORD(dwPoint)), static_cast<short>(HIWORD(dwPoint))} {}

  void Offset(int xOffset, int yOffset) noexcept {
    x += xOffset;
    y += yOffset;
  }
  BOOL operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
  BOOL operator!=(POINT point) const noexcept { return !(*this == point); }
  CPoint operator+(SIZE size) const noexcept { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const noexcept { return CPoint(x - size.cx, y - size.cy); }
  CSize operator-(POINT point) const noexcept { return CSize(x - point.x, y - point.y); }
};

class CRect : public tagRECT {
 public:
  CRect() noexcept : tagRECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) noexcept : tagRECT{l, t, r, b} {}
  CRect(const RECT& srcRect) noexcept : tagRECT(srcRect) {}
  CRect(POINT point, SIZE size) noexcept : tagRECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}

  operator LPRECT() noexcept { return this; }
  operator LPCRECT() const noexcept { return this; }

  int Width() const noexcept { return right - left; }
  int Height() const noexcept { return bottom - top; }
  CSize Size() const noexcept { return CSize(Width(), Height()); }
  CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
  CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
  BOOL IsRectEmpty() const noexcept { return right <= left || bottom <= top; }
  BOOL PtInRect(POINT point) const noexcept {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }
  void SetRect(int x1, int y1, int x2, int y2) noexcept { *this = CRect(x1, y1, x2, y2); }
  void OffsetRect(int x, int y) noexcept {
    left += x;
    right += x;
    top += y;
    bottom += y;
  }
  void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
  void InflateRect(int x, int y) noexcept {
    left -= x;
    right += x;
    top -= y;
    bottom += y;
  }
  BOOL operator==(const RECT& rect) const noexcept {
    return left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
  }
  BOOL operator!=(const RECT& rect) const noexcept { return !(*this == rect); }
};
