#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "qt/user_actions.hpp"

class QTabBar;

namespace qt {

// A tabbed dialog: a row of page tabs over a pane, and one plain widget per
// page. Every page covers the whole strip, so the controls drawn on a page
// keep the positions they were designed with, measured from the strip's
// corner. Only the model's selected page is shown, whatever the tab bar
// would choose on its own. The strip is opaque: shown, it covers what lies
// beneath it.
class TabStripWidget : public QWidget {
 public:
  TabStripWidget(UserActions& actions, const QStringList& captions, int tabHeight, QWidget* parent);

  int pageCount() const { return static_cast<int>(pages_.size()); }
  QWidget* page(int index) const;
  QTabBar* tabBar() const { return bar_; }
  int shownPage() const { return shown_; }

  // The selected page is set before the enabled flags, so disabling the
  // others never moves the selection.
  void showState(int selected, const std::vector<bool>& enabled);
  void setCaption(int page, const QString& caption);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  UserActions& actions_;
  QTabBar* bar_;
  std::vector<QWidget*> pages_;
  int tabHeight_;
  int shown_ = -1;
};

}  // namespace qt
