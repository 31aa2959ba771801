#include "qt/text_box_widget.hpp"

#include <QKeyEvent>

namespace qt {

TextBoxWidget::TextBoxWidget(UserActions& actions, QWidget* parent) : QLineEdit(parent), actions_(actions) {
  // The boxes are as high as one line of the 8 pt font; the theme's inner
  // margins would cut the text.
  setTextMargins(1, 0, 1, 0);
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { actions_.textEdited(this, text); });
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    actions_.returnPressed(this);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TextBoxWidget::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (MovedByPerson(event->reason())) actions_.focusEntered(this);
}

}  // namespace qt
