#pragma once
// Positions and sizes come in twips: 15 twips are one pixel on a 96 dpi
// screen, and the same physical size on any other. A window too large for
// its screen is drawn at a smaller scale, its fonts with it.

#include <QFont>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "qt/program_font.hpp"

namespace qt {

class Twips {
 public:
  // `scale` is 1 at the design size and below 1 for a window shrunk to fit.
  explicit Twips(double logicalDpi = 96.0, double scale = 1.0)
      : dpi_(logicalDpi), perTwip_(logicalDpi / 96.0 / 15.0 * scale), scale_(scale) {}

  int pixels(int twips) const { return static_cast<int>(std::lround(twips * perTwip_)); }

  // Edges are rounded, not sizes, so neighbouring controls never gain or lose a gap.
  QRect rect(int left, int top, int width, int height) const {
    const int x = pixels(left), y = pixels(top);
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
  }

  // The program's font at this scale (pointSize 0: the window's 8 pt). Shrunk,
  // a font takes the whole pixel size at or below its share of the size it has
  // at the design scale, so that no text outgrows the height the design gave
  // it, and is stretched to its whole share of the width: a caption's words
  // and blank runs then stand where the layout, shrunk by the same scale,
  // puts the small labels laid into them.
  QFont font(int pointSize = 0, bool bold = false) const {
    QFont font = ProgramFont(pointSize, bold);
    if (scale_ < 1.0) {
      const double share = std::round(font.pointSizeF() * dpi_ / 72.0) * scale_;
      const int pixels = std::max(1, static_cast<int>(std::floor(share + 1e-9)));
      font.setPixelSize(pixels);
      font.setStretch(static_cast<int>(std::lround(100.0 * share / pixels)));
    }
    return font;
  }

  double scale() const { return scale_; }

 private:
  double dpi_;
  double perTwip_;
  double scale_;
};

}  // namespace qt
