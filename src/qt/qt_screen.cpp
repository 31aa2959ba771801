#include "qt/qt_screen.hpp"

#include <QApplication>

namespace qt {

QtScreen::~QtScreen() {
  if (waiting_ && QApplication::instance() != nullptr) QApplication::restoreOverrideCursor();
}

void QtScreen::setMousePointer(platform::MousePointer pointer) {
  const bool wait = pointer == platform::MousePointer::Hourglass;
  if (wait == waiting_) return;
  waiting_ = wait;
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace qt
