#pragma once

#include <string>

namespace ui {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct Size {
  int cx = 0, cy = 0;
};

// "l,t,r,b" (missing numbers read as 0).
Rect ParseRect(const std::string& text);
// "cx,cy".
Size ParseSize(const std::string& text);

}  // namespace ui
