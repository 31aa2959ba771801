#include "qt/button_widget.hpp"

#include <QFocusEvent>

namespace qt {

ButtonWidget::ButtonWidget(UserActions& actions, QWidget* parent) : QPushButton(parent), actions_(actions) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { actions_.clicked(this); });
}

void ButtonWidget::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  if (MovedByPerson(event->reason())) actions_.focusEntered(this);
}

}  // namespace qt
