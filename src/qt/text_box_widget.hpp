#pragma once

#include <QLineEdit>

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

}  // namespace qt
