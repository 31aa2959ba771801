#pragma once
// Positions and sizes come in twips: 15 twips are one pixel on a 96 dpi
// screen, and the same physical size on any other.

#include <QRect>
#include <cmath>

namespace qt {

class Twips {
 public:
  explicit Twips(double logicalDpi = 96.0) : scale_(logicalDpi / 96.0 / 15.0) {}

  int pixels(int twips) const { return static_cast<int>(std::lround(twips * scale_)); }

  // Edges are rounded, not sizes, so neighbouring controls never gain or lose a gap.
  QRect rect(int left, int top, int width, int height) const {
    const int x = pixels(left), y = pixels(top);
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
  }

 private:
  double scale_;
};

}  // namespace qt
