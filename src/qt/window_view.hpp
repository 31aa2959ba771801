#pragma once

#include <QMargins>
#include <QPointer>
#include <QString>
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
  // The client area at the design scale, in pixels.
  QSize designClient() const { return designClient_; }
  // Shows the window, centred on the screen the first time unless it has been placed.
  void showWindow();
  // Raises a shown window above the others and makes it the active one,
  // unless the window is read beside another.
  void bringToFront();
  // Makes this a window a person reads while working in another: it never
  // takes the activation, and so the keyboard, from that one.
  void readBeside();
  // True once the window is read beside another.
  bool readsBeside() const { return readBeside_; }
  // The window belongs to `owner`: the desktop keeps it above that window,
  // which goes on taking input. Neither widget owns the other, so either may
  // go away first; a window that goes leaves this one on its own. Called once
  // the window is placed: the native window made here would otherwise be
  // placed by its client area rather than by its frame.
  void belongTo(const QWidget& owner);
  // The name of the window it last belonged to, which a window loaded again
  // under that name takes over; empty: none.
  const QString& ownerName() const { return ownerName_; }
  // Places the window before it is first shown: the corner of its frame at
  // `corner`, drawn at `scale` where that is smaller than its own. True when
  // the scale changed, and with it the places and fonts its controls need.
  bool placeAt(QPoint corner, double scale);

  // After the model has hidden, disabled or covered the control with the
  // focus, the focus goes to the first control of the nearest container still
  // shown: the page now shown, never the row of tabs above it, nor a way back
  // or a button that ends the run while another control is there, which a
  // second press of Enter would set off. The check runs once the event that
  // changed the window is over, when the page is complete.
  void checkFocusLater();

 protected:
  // The close box asks the model; the model unloads the window, which hides it.
  void closeEvent(QCloseEvent* event) override;
  // Tab and Shift+Tab follow the reading order of the page.
  bool focusNextPrevChild(bool next) override;
  // A window read beside another hands an activation it did not ask for back.
  void changeEvent(QEvent* event) override;

 private:
  void checkFocus();

  UserActions& actions_;
  QMargins frame_;
  QSize designClient_;
  QSize clientTwips_;
  Twips twips_;
  bool placed_ = false;
  bool readBeside_ = false;
  QString ownerName_;
  QPointer<QWidget> handBack_;
  bool focusCheckPending_ = false;
};

}  // namespace qt
