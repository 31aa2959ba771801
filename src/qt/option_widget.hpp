#pragma once

#include <QRadioButton>

#include "qt/user_actions.hpp"

namespace qt {

// An option button. Qt does not exclude the others: the model decides which
// option of a container is selected, and the renderer shows it.
class OptionWidget : public QRadioButton {
 public:
  OptionWidget(UserActions& actions, QWidget* parent);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  UserActions& actions_;
};

}  // namespace qt
