#include "qt/frame_widget.hpp"

#include <QMouseEvent>

#include "platform/design.hpp"

namespace qt {

FrameWidget::FrameWidget(UserActions& actions, unsigned flags, QWidget* parent)
    : QGroupBox(parent), actions_(actions), bordered_((flags & platform::Bordered) != 0) {
  setMouseTracking(true);
}

void FrameWidget::paintEvent(QPaintEvent* event) {
  if (bordered_ || !title().isEmpty()) QGroupBox::paintEvent(event);
}

void FrameWidget::mouseMoveEvent(QMouseEvent* event) {
  QGroupBox::mouseMoveEvent(event);
  // The move is this control's alone: passed on, it would reach the frame
  // around it, whose own move hides the help this one shows.
  event->accept();
  actions_.mouseMoved(this);
}

void FrameWidget::enterEvent(QEnterEvent* event) {
  QGroupBox::enterEvent(event);
  // Entering a control inside the frame enters the frame too, but the pointer
  // is over that control, not over the frame's own surface.
  if (childAt(event->position().toPoint()) == nullptr) actions_.mouseMoved(this);
}

}  // namespace qt
