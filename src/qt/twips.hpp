#pragma once
// Positions and sizes come in twips: 15 twips are one pixel on a 96 dpi
// screen, and the same physical size on any other. A window too large for
// its screen is drawn at a smaller scale, its fonts with it.

#include <QFont>
#include <QRect>
#include <cmath>

#include "qt/program_font.hpp"

namespace qt {

class Twips {
 public:
  // `scale` is 1 at the design size and below 1 for a window shrunk to fit.
  explicit Twips(double logicalDpi = 96.0, double scale = 1.0)
      : perTwip_(logicalDpi / 96.0 / 15.0 * scale), scale_(scale) {}

  int pixels(int twips) const { return static_cast<int>(std::lround(twips * perTwip_)); }

  // Edges are rounded, not sizes, so neighbouring controls never gain or lose a gap.
  QRect rect(int left, int top, int width, int height) const {
    const int x = pixels(left), y = pixels(top);
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
  }

  // The program's font at this scale (pointSize 0: the window's 8 pt).
  QFont font(int pointSize = 0, bool bold = false) const { return ProgramFont(pointSize, bold, scale_); }

  double scale() const { return scale_; }

 private:
  double perTwip_;
  double scale_;
};

}  // namespace qt
