#include "qt/window_view.hpp"

#include <QCloseEvent>
#include <QScreen>
#include <algorithm>

#include "qt/program_font.hpp"

namespace qt {

WindowView::WindowView(UserActions& actions, int clientWidth, int clientHeight)
    : QWidget(nullptr), actions_(actions), twips_(logicalDpiX()) {
  setFont(ProgramFont());
  setFixedSize(twips_.pixels(clientWidth), twips_.pixels(clientHeight));
}

void WindowView::showWindow() {
  if (placed_) {
    // A window shown again comes to the front; a new one does so by itself.
    show();
    bringToFront();
    return;
  }
  placed_ = true;
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
  }
  show();
}

void WindowView::bringToFront() {
  raise();
  activateWindow();
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  actions_.closeRequested(this);
}

}  // namespace qt
