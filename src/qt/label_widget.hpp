#pragma once

#include <QLabel>

#include "qt/user_actions.hpp"

namespace qt {

// A caption: transparent unless it has a back colour, so a small label laid
// into the blank run of another shows through it. A caption of one line
// stands in the middle of the label's height, level with the text of a box
// beside it; a longer one starts at the top.
class LabelWidget : public QLabel {
 public:
  LabelWidget(UserActions& actions, unsigned designFlags, QWidget* parent);

  void setCaption(const QString& caption);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void placeText();

  UserActions& actions_;
};

}  // namespace qt
