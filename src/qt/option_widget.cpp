#include "qt/option_widget.hpp"

#include <QFocusEvent>
#include <QMouseEvent>

namespace qt {

OptionWidget::OptionWidget(UserActions& actions, QWidget* parent) : QRadioButton(parent), actions_(actions) {
  setAutoExclusive(false);
  setMouseTracking(true);
  connect(this, &QRadioButton::clicked, this, [this] { actions_.clicked(this); });
}

void OptionWidget::mouseMoveEvent(QMouseEvent* event) {
  QRadioButton::mouseMoveEvent(event);
  // The move is this control's alone: passed on, it would reach the frame
  // around it, whose own move hides the help this one shows.
  event->accept();
  actions_.mouseMoved(this);
}

void OptionWidget::enterEvent(QEnterEvent* event) {
  QRadioButton::enterEvent(event);
  actions_.mouseMoved(this);
}

void OptionWidget::focusInEvent(QFocusEvent* event) {
  QRadioButton::focusInEvent(event);
  if (MovedByPerson(event->reason())) actions_.focusEntered(this);
}

}  // namespace qt
