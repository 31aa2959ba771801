#pragma once

#include <QMargins>
#include <QWidget>
#include <optional>

#include "qt/twips.hpp"
#include "qt/user_actions.hpp"

namespace qt {

// The top-level widget of one window; its client area has the window's design
// size, or a smaller one at the scale that lets the window, `frame` included,
// fit the available area of the screen.
class WindowView : public QWidget {
 public:
  WindowView(UserActions& actions, int clientWidthTwips, int clientHeightTwips, QMargins frame);

  const Twips& twips() const { return twips_; }
  // The title bar and borders the window was fitted with.
  QMargins frameAllowance() const { return frame_; }
  // The title bar and borders the desktop gave the shown window, once it has given them.
  std::optional<QMargins> shownFrame() const;
  // Shows the window, centred on the screen the first time.
  void showWindow();

 protected:
  // The close box asks the model; the model unloads the window, which hides it.
  void closeEvent(QCloseEvent* event) override;

 private:
  UserActions& actions_;
  QMargins frame_;
  Twips twips_;
  bool placed_ = false;
};

}  // namespace qt
