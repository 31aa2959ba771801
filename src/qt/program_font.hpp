#pragma once
// Every window uses one Arial-metric sans serif at 8 pt, so that captions with
// blank runs and the small labels laid into them line up as designed.

#include <QFont>

namespace qt {

constexpr int kProgramPointSize = 8;

// `scale` shrinks the font with a window drawn smaller than designed.
inline QFont ProgramFont(int pointSize = 0, bool bold = false, double scale = 1.0) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF((pointSize > 0 ? pointSize : kProgramPointSize) * scale);
  font.setBold(bold);
  return font;
}

}  // namespace qt
