#include "qt/window_view.hpp"

#include <QCloseEvent>
#include <QScreen>
#include <algorithm>

#include "qt/screen_fit.hpp"

namespace qt {

WindowView::WindowView(UserActions& actions, int clientWidth, int clientHeight, QMargins frame)
    : QWidget(nullptr), actions_(actions), frame_(frame) {
  const Twips design(logicalDpiX());
  const QSize client(design.pixels(clientWidth), design.pixels(clientHeight));
  if (const QScreen* screen = this->screen())
    twips_ = Twips(logicalDpiX(), FittingScale(client, frame, screen->availableGeometry().size(), logicalDpiX()));
  else
    twips_ = design;
  setFont(twips_.font());
  setFixedSize(twips_.pixels(clientWidth), twips_.pixels(clientHeight));
}

std::optional<QMargins> WindowView::shownFrame() const {
  if (!isVisible()) return std::nullopt;
  const QRect outer = frameGeometry(), inner = geometry();
  if (outer == inner) return std::nullopt;  // not decorated (yet)
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

void WindowView::showWindow() {
  if (placed_) {
    // A window shown again comes to the front; a new one does so by itself.
    show();
    raise();
    activateWindow();
    return;
  }
  placed_ = true;
  if (QScreen* screen = this->screen()) {
    // The position is the title bar's corner: the whole window, frame and
    // all, is centred and never starts above or left of the area.
    const QRect area = screen->availableGeometry();
    QRect outer(QPoint(), size().grownBy(frame_));
    outer.moveCenter(area.center());
    move(std::max(outer.left(), area.left()), std::max(outer.top(), area.top()));
  }
  show();
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  actions_.closeRequested(this);
}

}  // namespace qt
