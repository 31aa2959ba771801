#include "qt/screen_fit.hpp"

#include <algorithm>
#include <cmath>

#include "qt/program_font.hpp"

namespace qt {

namespace {

// Below this the program's font is no longer readable: a window on a smaller
// screen stays larger than the screen.
constexpr int kSmallestFontPixels = 7;

}  // namespace

double FittingScale(QSize client, QMargins frame, QSize area, double logicalDpi) {
  if (client.isEmpty()) return 1.0;
  const double room =
      std::min(static_cast<double>(area.width() - frame.left() - frame.right()) / client.width(),
               static_cast<double>(area.height() - frame.top() - frame.bottom()) / client.height());
  if (room >= 1.0) return 1.0;
  // Fonts are drawn at whole pixel sizes, as Qt rounds them.
  const long fontPixels = std::lround(kProgramPointSize * logicalDpi / 72.0);
  const long pixels = std::max<long>(kSmallestFontPixels, static_cast<long>(std::floor(room * fontPixels)));
  return std::min(1.0, static_cast<double>(pixels) / static_cast<double>(fontPixels));
}

}  // namespace qt
