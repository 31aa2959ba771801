#include "qt/window_view.hpp"

#include <QCloseEvent>
#include <QScreen>

#include "qt/program_font.hpp"

namespace qt {

WindowView::WindowView(UserActions& actions, int clientWidth, int clientHeight)
    : QWidget(nullptr), actions_(actions), twips_(logicalDpiX()) {
  setFont(ProgramFont());
  setFixedSize(twips_.pixels(clientWidth), twips_.pixels(clientHeight));
}

void WindowView::showWindow() {
  if (!placed_) {
    placed_ = true;
    if (QScreen* screen = this->screen()) {
      QRect area = screen->availableGeometry();
      QRect frame(QPoint(), size());
      frame.moveCenter(area.center());
      move(frame.topLeft().x() < area.left() ? area.left() : frame.left(),
           frame.top() < area.top() ? area.top() : frame.top());
    }
  }
  show();
  raise();
  activateWindow();
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  actions_.closeRequested(this);
}

}  // namespace qt
