#include "qt/label_widget.hpp"

#include <QMouseEvent>

#include "platform/design.hpp"

namespace qt {

LabelWidget::LabelWidget(UserActions& actions, unsigned flags, QWidget* parent)
    : QLabel(parent), actions_(actions) {
  setTextFormat(Qt::PlainText);
  setWordWrap((flags & platform::NoWrap) == 0);
  setAlignment(((flags & platform::Centered) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  if ((flags & platform::Bordered) != 0) setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMouseTracking(true);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) actions_.clicked(this);
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  // The move is this control's alone: passed on, it would reach the frame
  // around it, whose own move hides the help this one shows.
  event->accept();
  actions_.mouseMoved(this);
}

void LabelWidget::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  actions_.mouseMoved(this);
}

}  // namespace qt
