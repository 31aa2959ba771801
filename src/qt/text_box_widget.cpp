#include "qt/text_box_widget.hpp"

#include <QKeyEvent>
#include <limits>

namespace qt {

TextBoxWidget::TextBoxWidget(UserActions& actions, QWidget* parent) : QLineEdit(parent), actions_(actions) {
  // The boxes are as high as one line of the 8 pt font; the theme's inner
  // margins would cut the text.
  setTextMargins(1, 0, 1, 0);
  // The model cuts a box's text to its MaxLength, counted in characters. The
  // widget's own limit counts UTF-16 units and would keep the first half of a
  // character beyond the Basic Multilingual Plane, so it sets none.
  setMaxLength(std::numeric_limits<int>::max());
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

std::optional<QString> CharacterTypedAtEnd(const QString& before, const QString& typed, int cursor) {
  if (cursor != typed.size() || !typed.startsWith(before)) return std::nullopt;
  const QString added = typed.sliced(before.size());
  const bool one = (added.size() == 1 && !added[0].isSurrogate()) ||
                   (added.size() == 2 && added[0].isHighSurrogate() && added[1].isLowSurrogate());
  return one ? std::optional<QString>(added) : std::nullopt;
}

}  // namespace qt
