#pragma once

#include <QWidget>

#include "qt/twips.hpp"
#include "qt/user_actions.hpp"

namespace qt {

// The top-level widget of one window; its client area has the window's design size.
class WindowView : public QWidget {
 public:
  WindowView(UserActions& actions, int clientWidthTwips, int clientHeightTwips);

  const Twips& twips() const { return twips_; }
  // Shows the window, centred on the screen the first time.
  void showWindow();
  // Raises a shown window above the others and makes it the active one.
  void bringToFront();

 protected:
  // The close box asks the model; the model unloads the window, which hides it.
  void closeEvent(QCloseEvent* event) override;

 private:
  UserActions& actions_;
  Twips twips_;
  bool placed_ = false;
};

}  // namespace qt
