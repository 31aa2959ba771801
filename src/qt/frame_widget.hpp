#pragma once

#include <QGroupBox>

#include "qt/user_actions.hpp"

namespace qt {

// A frame: the etched border of a desktop frame around its controls, with its
// caption, where it has one, set into the top line.
class FrameWidget : public QGroupBox {
 public:
  FrameWidget(UserActions& actions, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  UserActions& actions_;
};

}  // namespace qt
