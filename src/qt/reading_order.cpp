#include "qt/reading_order.hpp"

#include <QFontMetrics>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "qt/tab_strip_widget.hpp"

namespace qt {

namespace {

bool Reachable(const QWidget& w) {
  return w.isEnabled() && (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w.isVisibleTo(w.window());
}

// A shown tab strip covers the other controls of its container that lie under it.
bool Covers(const QWidget& strip, const QWidget& w) {
  return &strip != &w && strip.geometry().contains(w.geometry().center());
}

bool Covered(const QWidget& w, const std::vector<const QWidget*>& strips) {
  return std::any_of(strips.begin(), strips.end(), [&](const QWidget* strip) { return Covers(*strip, w); });
}

// The shown children of a container, line by line: controls whose tops lie
// within half a line of the first of a line belong to that line.
std::vector<QWidget*> InLines(QWidget& container) {
  std::vector<QWidget*> shown;
  std::vector<const QWidget*> strips;
  for (QObject* child : container.children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w == nullptr || w->isWindow() || !w->isVisibleTo(&container)) continue;
    shown.push_back(w);
    if (dynamic_cast<TabStripWidget*>(w) != nullptr) strips.push_back(w);
  }
  std::erase_if(shown, [&](const QWidget* w) { return Covered(*w, strips); });
  std::stable_sort(shown.begin(), shown.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
  const int halfLine = container.fontMetrics().height() / 2;
  for (auto line = shown.begin(); line != shown.end();) {
    const int top = (*line)->y();
    const auto end = std::find_if(line, shown.end(), [&](const QWidget* w) { return w->y() > top + halfLine; });
    std::stable_sort(line, end, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    line = end;
  }
  return shown;
}

void Collect(QWidget& container, std::vector<QWidget*>& order) {
  if (auto* strip = dynamic_cast<TabStripWidget*>(&container)) {
    // The row of tabs first, then the page it shows; the other pages are hidden.
    if (Reachable(*strip->tabBar())) order.push_back(strip->tabBar());
    if (QWidget* page = strip->page(strip->shownPage())) Collect(*page, order);
    return;
  }
  for (QWidget* w : InLines(container)) {
    if (Reachable(*w)) {
      order.push_back(w);
    } else {
      Collect(*w, order);  // a frame, a tab strip or a page
    }
  }
}

}  // namespace

std::vector<QWidget*> ReadingOrder(QWidget* container) {
  std::vector<QWidget*> order;
  if (container != nullptr) Collect(*container, order);
  return order;
}

namespace {
constexpr const char* kNoPageFocus = "noPageFocus";
}  // namespace

QWidget* FirstToFocus(const std::vector<QWidget*>& order) {
  if (order.empty()) return nullptr;
  const auto first = std::find_if(order.begin(), order.end(),
                                  [](const QWidget* w) { return !w->property(kNoPageFocus).toBool(); });
  return first != order.end() ? *first : order.front();
}

void KeepPageFocusAway(QWidget& widget) { widget.setProperty(kNoPageFocus, true); }

QWidget* StripOver(const QWidget& widget) {
  for (const QWidget* w = &widget; !w->isWindow(); w = w->parentWidget()) {
    for (QObject* sibling : w->parentWidget()->children()) {
      auto* strip = dynamic_cast<TabStripWidget*>(sibling);
      if (strip != nullptr && strip->isVisibleTo(strip->window()) && Covers(*strip, *w)) return strip;
    }
  }
  return nullptr;
}

}  // namespace qt
