#pragma once
// Every window uses one Arial-metric sans serif at 8 pt, so that captions with
// blank runs and the small labels laid into them line up as designed.

#include <QFont>

namespace qt {

constexpr int kProgramPointSize = 8;

inline QFont ProgramFont(int pointSize = 0, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize > 0 ? pointSize : kProgramPointSize);
  font.setBold(bold);
  return font;
}

}  // namespace qt
