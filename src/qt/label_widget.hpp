#pragma once

#include <QLabel>

#include "qt/user_actions.hpp"

namespace qt {

// A caption: transparent unless it has a back colour, so a small label laid
// into the blank run of another shows through it.
class LabelWidget : public QLabel {
 public:
  LabelWidget(UserActions& actions, unsigned designFlags, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  UserActions& actions_;
};

}  // namespace qt
