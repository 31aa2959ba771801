#include "qt/window_view.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "qt/reading_order.hpp"
#include "qt/screen_fit.hpp"
#include "qt/window_place.hpp"

namespace qt {

namespace {
// How long after it is shown the activation of a window read beside is the
// desktop's doing rather than the person's.
constexpr int kActivationOnShowMs = 1000;
}  // namespace

WindowView::WindowView(UserActions& actions, int clientWidth, int clientHeight, QMargins frame)
    : QWidget(nullptr), actions_(actions), frame_(frame), clientTwips_(clientWidth, clientHeight) {
  const Twips design(logicalDpiX());
  designClient_ = QSize(design.pixels(clientWidth), design.pixels(clientHeight));
  if (const QScreen* screen = this->screen())
    twips_ = Twips(logicalDpiX(),
                   FittingScale(designClient_, frame, screen->availableGeometry().size(), logicalDpiX()));
  else
    twips_ = design;
  setFont(twips_.font());
  setFixedSize(twips_.pixels(clientWidth), twips_.pixels(clientHeight));
}

std::optional<QMargins> WindowView::shownFrame() const {
  if (!isVisible()) return std::nullopt;
  const QRect outer = frameGeometry(), inner = geometry();
  if (outer == inner) return std::nullopt;  // not decorated (yet)
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

void WindowView::showWindow() {
  if (readBeside_ && !isVisible()) {
    // A desktop may activate a new window all the same: the activation goes
    // back to the window the person works in, unless the person has come to
    // this one since.
    handBack_ = QApplication::activeWindow();
    QTimer::singleShot(kActivationOnShowMs, this, [this] { handBack_ = nullptr; });
  }
  if (placed_) {
    // A window shown again comes to the front; a new one does so by itself.
    show();
    bringToFront();
    return;
  }
  placed_ = true;
  // The position is the title bar's corner: the whole window, frame and all, is centred.
  if (QScreen* screen = this->screen()) move(CentredCorner(size().grownBy(frame_), screen->availableGeometry()));
  // The window opens with the focus on its first control.
  if (QWidget* first = FirstToFocus(ReadingOrder(this))) first->setFocus(Qt::OtherFocusReason);
  show();
}

void WindowView::readBeside() {
  readBeside_ = true;
  // A tool window: on X11 only a window of such a kind is kept above the
  // window it belongs to. The flag is set while the window is hidden, as
  // Qt hides a window whose kind changes.
  if (windowType() != Qt::Tool && !isVisible()) setWindowFlag(Qt::Tool);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void WindowView::belongTo(const QWidget& owner) {
  QWindow* const ownerWindow = owner.windowHandle();
  if (ownerWindow == nullptr) return;
  ownerName_ = owner.objectName();
  winId();  // the native window, through which the desktop learns the owner
  if (windowHandle()->transientParent() == ownerWindow) return;
  windowHandle()->setTransientParent(ownerWindow);
  // The desktop reads whom a window belongs to when the window is shown.
  if (isVisible()) {
    hide();
    show();
  }
}

bool WindowView::placeAt(QPoint corner, double scale) {
  placed_ = true;
  const bool smaller = scale < twips_.scale();
  if (smaller) {
    twips_ = Twips(logicalDpiX(), scale);
    setFont(twips_.font());
    setFixedSize(twips_.pixels(clientTwips_.width()), twips_.pixels(clientTwips_.height()));
  }
  move(corner);
  return smaller;
}

void WindowView::checkFocusLater() {
  if (focusCheckPending_) return;
  focusCheckPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        focusCheckPending_ = false;
        checkFocus();
      },
      Qt::QueuedConnection);
}

void WindowView::checkFocus() {
  if (!isVisible()) return;
  QWidget* focus = focusWidget();
  const std::vector<QWidget*> order = ReadingOrder(this);
  if (focus != nullptr && std::find(order.begin(), order.end(), focus) != order.end()) return;
  // From beneath a strip shown over it, the focus goes onto the strip's page.
  QWidget* start = this;
  if (focus != nullptr) {
    QWidget* strip = StripOver(*focus);
    start = strip != nullptr ? strip : focus->parentWidget();
  }
  for (QWidget* container = start; container != nullptr;
       container = container == this ? nullptr : container->parentWidget()) {
    if (!container->isVisibleTo(this)) continue;
    if (QWidget* first = FirstToFocus(ReadingOrder(container))) {
      first->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

bool WindowView::focusNextPrevChild(bool next) {
  const std::vector<QWidget*> order = ReadingOrder(this);
  const auto at = std::find(order.begin(), order.end(), focusWidget());
  if (at == order.end()) {
    // Qt asks here when the focused control is hidden or disabled, in the
    // middle of a change: the change is finished first.
    checkFocusLater();
    return true;
  }
  const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t i = ((at - order.begin()) + (next ? 1 : count - 1)) % count;
  order[static_cast<std::size_t>(i)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void WindowView::bringToFront() {
  raise();
  if (!readBeside_) activateWindow();
}

void WindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && handBack_ != nullptr)
    std::exchange(handBack_, nullptr)->activateWindow();
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  actions_.closeRequested(this);
}

}  // namespace qt
