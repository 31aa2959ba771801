#pragma once
// What the widgets report of a person's actions. The renderer turns each
// report into one call of the platform model, for the control the widget
// stands for, and ignores it once that control's window is gone.

#include <Qt>

class QString;
class QWidget;

namespace qt {

class TextBoxWidget;
class WindowView;

class UserActions {
 public:
  virtual ~UserActions() = default;
  virtual void clicked(QWidget* widget) = 0;
  virtual void mouseMoved(QWidget* widget) = 0;
  virtual void focusEntered(QWidget* widget) = 0;
  virtual void textEdited(TextBoxWidget* box, const QString& text) = 0;
  virtual void returnPressed(TextBoxWidget* box) = 0;
  virtual void tabClicked(QWidget* strip, int page) = 0;
  virtual void closeRequested(WindowView* view) = 0;
};

// Focus that a person moved (a click, Tab, a shortcut) is the model's focus
// too; focus that only comes back with a window's activation is not.
inline bool MovedByPerson(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

}  // namespace qt
