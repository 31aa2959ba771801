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
  actions_.mouseMoved(this);
}

void FrameWidget::enterEvent(QEnterEvent* event) {
  QGroupBox::enterEvent(event);
  actions_.mouseMoved(this);
}

}  // namespace qt
