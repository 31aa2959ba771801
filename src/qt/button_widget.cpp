#include "qt/button_widget.hpp"

#include <QFocusEvent>
#include <QKeyEvent>

namespace qt {

ButtonWidget::ButtonWidget(UserActions& actions, QWidget* parent) : QPushButton(parent), actions_(actions) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { actions_.clicked(this); });
}

void ButtonWidget::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  if (MovedByPerson(event->reason())) actions_.focusEntered(this);
}

void ButtonWidget::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    event->accept();
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace qt
