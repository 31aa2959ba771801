#include "qt/tab_strip_widget.hpp"

#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <algorithm>

#include "qt/colors.hpp"

namespace qt {

namespace {

// The style's padding beside a tab's caption is a fixed number of pixels, so a
// window shrunk to fit a small or scaled screen would leave its longer captions
// too little room and cut them; the padding follows the caption's font instead.
class CaptionRoom : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace && widget != nullptr) return 2 * widget->fontMetrics().averageCharWidth();
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// Tabs share the strip's width evenly and have the strip's tab height.
class PageTabs : public QTabBar {
 public:
  PageTabs(int height, QWidget* parent) : QTabBar(parent), height_(height) {
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    auto* spacing = new CaptionRoom;
    spacing->setParent(this);
    setStyle(spacing);
  }

 protected:
  QSize tabSizeHint(int index) const override {
    QSize hint = QTabBar::tabSizeHint(index);
    if (count() > 1) hint.setWidth(std::max(width() / count(), 1));
    hint.setHeight(height_);
    return hint;
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

 private:
  int height_;
};

}  // namespace

TabStripWidget::TabStripWidget(UserActions& actions, const QStringList& captions, int tabHeight, QWidget* parent)
    : QWidget(parent), actions_(actions), tabHeight_(tabHeight) {
  // A shown strip hides whatever lies beneath it on its container.
  setAutoFillBackground(true);
  for (int i = 0; i < captions.size(); ++i) {
    auto* page = new QWidget(this);
    page->hide();
    pages_.push_back(page);
  }
  bar_ = new PageTabs(tabHeight, this);
  // The captions of disabled pages, greyed out, stay readable on the tabs,
  // which the style draws a little darker than the window.
  QPalette palette = bar_->palette();
  const QColor tab = palette.color(QPalette::Disabled, QPalette::Window).darker(110);
  for (auto role : {QPalette::WindowText, QPalette::ButtonText}) {
    const QColor greyed = palette.color(QPalette::Disabled, role), text = palette.color(QPalette::Active, role);
    palette.setColor(QPalette::Disabled, role, Readable(greyed, text, tab, 3.5));
  }
  bar_->setPalette(palette);
  for (const QString& caption : captions) bar_->addTab(caption);
  bar_->raise();
  connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) actions_.tabClicked(this, index);
  });
}

QWidget* TabStripWidget::page(int index) const {
  if (index < 0 || index >= pageCount()) return nullptr;
  return pages_[index];
}

void TabStripWidget::showState(int selected, const std::vector<bool>& enabled) {
  {
    const QSignalBlocker block(bar_);
    bar_->setCurrentIndex(selected);
    for (int i = 0; i < bar_->count() && i < static_cast<int>(enabled.size()); ++i)
      bar_->setTabEnabled(i, enabled[i]);
    // A selected page that is itself disabled stays selected, as in the model.
    if (bar_->currentIndex() != selected) bar_->setCurrentIndex(selected);
  }
  // A row of tabs with one page open offers nothing to the keyboard.
  bar_->setFocusPolicy(std::count(enabled.begin(), enabled.end(), true) > 1 ? Qt::TabFocus : Qt::NoFocus);
  if (selected == shown_) return;
  if (QWidget* old = page(shown_)) old->hide();
  shown_ = selected;
  if (QWidget* now = page(shown_)) now->show();
}

void TabStripWidget::setCaption(int index, const QString& caption) {
  if (bar_->tabText(index) != caption) bar_->setTabText(index, caption);
}

void TabStripWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  bar_->setGeometry(0, 0, width(), tabHeight_);
  for (QWidget* page : pages_) page->setGeometry(rect());
}

void TabStripWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame pane;
  pane.initFrom(this);
  pane.rect = QRect(0, tabHeight_ - 1, width(), height() - tabHeight_ + 1);
  pane.shape = QTabBar::RoundedNorth;
  pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  pane.tabBarSize = bar_->sizeHint();
  pane.leftCornerWidgetSize = QSize(0, 0);
  pane.rightCornerWidgetSize = QSize(0, 0);
  if (bar_->currentIndex() >= 0) pane.selectedTabRect = bar_->tabRect(bar_->currentIndex());
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);
}

}  // namespace qt
