#pragma once

#include <QGroupBox>

#include "qt/user_actions.hpp"

namespace qt {

// A frame: a group box with its caption as title. A frame without caption and
// without the border flag is only a container and draws nothing of its own.
class FrameWidget : public QGroupBox {
 public:
  FrameWidget(UserActions& actions, unsigned designFlags, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  UserActions& actions_;
  bool bordered_;
};

}  // namespace qt
