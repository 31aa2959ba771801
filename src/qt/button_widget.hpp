#pragma once

#include <QPushButton>

#include "qt/user_actions.hpp"

namespace qt {

class ButtonWidget : public QPushButton {
 public:
  ButtonWidget(UserActions& actions, QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  // Return and Enter press the focused button, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  UserActions& actions_;
};

}  // namespace qt
