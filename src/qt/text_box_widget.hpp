#pragma once

#include <QLineEdit>
#include <optional>

#include "qt/user_actions.hpp"

namespace qt {

// A single-line text box. Edits go to the model, which decides the text; the
// renderer then writes the model's text back.
class TextBoxWidget : public QLineEdit {
 public:
  TextBoxWidget(UserActions& actions, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  UserActions& actions_;
};

// The one character that an edit from BEFORE to TYPED added at the end, the
// cursor after it, as a key typed there adds it; none for any other edit. A
// character beyond the Basic Multilingual Plane is one, though two UTF-16 units.
std::optional<QString> CharacterTypedAtEnd(const QString& before, const QString& typed, int cursor);

}  // namespace qt
