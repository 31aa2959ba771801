#include "qt/window_renderer.hpp"

#include <QApplication>
#include <QScreen>
#include <QString>
#include <algorithm>
#include <vector>

#include "qt/control_widgets.hpp"
#include "qt/tab_strip_widget.hpp"
#include "qt/text_box_widget.hpp"
#include "qt/window_place.hpp"

namespace qt {

namespace {

// A tab strip lies above the other controls of its container, whatever their
// order: a strip shown over a page covers the page's own controls.
void RaiseTabStrips(QWidget* container) {
  if (container == nullptr) return;
  const QObjectList children = container->children();  // raise() reorders the list
  for (QObject* child : children)
    if (auto* strip = dynamic_cast<TabStripWidget*>(child)) strip->raise();
}

}  // namespace

using platform::Control;
using platform::Kind;
using platform::Property;
using platform::Window;

// Marks the time the renderer writes to widgets: their signals are not a person's.
class WindowRenderer::Applying {
 public:
  explicit Applying(WindowRenderer& r) : r_(r) { ++r_.applying_; }
  ~Applying() { --r_.applying_; }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  WindowRenderer& r_;
};

WindowRenderer::~WindowRenderer() {
  for (auto& [window, view] : views_) delete view.data();
}

void WindowRenderer::attach(platform::Platform& platform) {
  platform_ = &platform;
  platform.setObserver(this);
}

WindowView* WindowRenderer::windowWidget(const Window& window) const {
  auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second.data();
}

QWidget* WindowRenderer::widget(const Control& control) const {
  auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

// --- the model's changes -------------------------------------------------------

void WindowRenderer::learnFrame() {
  // A window read beside is a tool window, whose title bar may be slimmer than a main window's.
  for (const auto& [window, view] : views_)
    if (view != nullptr && !view->readsBeside())
      if (const auto frame = view->shownFrame()) frame_ = *frame;
}

void WindowRenderer::windowLoaded(Window& window) {
  Applying applying(*this);
  learnFrame();
  auto* view = new WindowView(*this, window.clientWidth(), window.clientHeight(), frame_);
  view->setObjectName(QString::fromStdString(window.name()));
  view->setWindowTitle(QString::fromStdString(window.caption()));
  views_[&window] = view;
  windows_[view] = &window;
  for (const auto& control : window.controls()) createWidget(*control, *view);
  for (const auto& control : window.controls())
    if (control->kind() == Kind::TabStrip) widget(*control)->raise();
}

void WindowRenderer::windowShown(Window& window) {
  WindowView* view = windowWidget(window);
  if (view == nullptr) return;
  Applying applying(*this);
  view->showWindow();
  // A window loaded again (the main window after a restart) takes over the
  // windows read beside the one it replaces, which stay open.
  for (const auto& [other, otherView] : views_)
    if (otherView != nullptr && otherView != view && !otherView->ownerName().isEmpty() &&
        otherView->ownerName() == view->objectName())
      otherView->belongTo(*view);
}

void WindowRenderer::windowShownBeside(Window& window, std::span<const Control* const> inSight) {
  WindowView* view = windowWidget(window);
  if (view == nullptr) return;
  Applying applying(*this);
  view->readBeside();
  // Beside the window the controls stand in, or else the one the person works in.
  const QWidget* owner = inSight.empty() ? QApplication::activeWindow() : windowWidget(inSight.front()->window());
  const QScreen* screen = view->screen();
  if (!view->isVisible() && owner != nullptr && owner != view && screen != nullptr) {
    learnFrame();
    std::vector<QRect> seen;
    for (const Control* c : inSight)
      if (const QWidget* w = widget(*c)) seen.emplace_back(w->mapToGlobal(QPoint()), w->size());
    const BesidePlace place = PlaceBeside(view->designClient(), frame_, owner->frameGeometry(), seen,
                                          screen->availableGeometry(), view->logicalDpiX());
    if (view->placeAt(place.corner, place.scale))
      for (const auto& control : window.controls())
        if (QWidget* w = widget(*control)) ShowAllProperties(*w, *control, view->twips());
  }
  // It belongs to that window, now that it is placed.
  if (owner != nullptr && owner != view) view->belongTo(*owner);
  view->showWindow();
}

void WindowRenderer::windowHidden(Window& window) {
  if (WindowView* view = windowWidget(window)) {
    Applying applying(*this);
    view->hide();
  }
}

void WindowRenderer::windowBroughtToFront(Window& window) {
  if (WindowView* view = windowWidget(window)) {
    Applying applying(*this);
    view->bringToFront();
  }
}

void WindowRenderer::windowUnloaded(Window& window) {
  learnFrame();
  auto it = views_.find(&window);
  if (it == views_.end()) return;
  QPointer<WindowView> view = it->second;
  views_.erase(it);
  for (const auto& control : window.controls()) {
    auto w = widgets_.find(control.get());
    if (w == widgets_.end()) continue;
    controls_.erase(w->second);
    widgets_.erase(w);
  }
  if (view == nullptr) return;
  windows_.erase(view.data());
  Applying applying(*this);
  view->hide();
  // Qt may be inside a signal of one of these widgets (a click that restarts).
  view->deleteLater();
}

void WindowRenderer::windowCaptionChanged(Window& window) {
  if (WindowView* view = windowWidget(window)) view->setWindowTitle(QString::fromStdString(window.caption()));
}

void WindowRenderer::controlCreated(Control& control) {
  // Controls created while a window is being built appear with the window.
  if (WindowView* view = windowWidget(control.window())) {
    Applying applying(*this);
    createWidget(control, *view);
    if (control.kind() != Kind::TabStrip) RaiseTabStrips(widget(control)->parentWidget());
  }
}

void WindowRenderer::controlChanged(Control& control, Property property) {
  QWidget* w = widget(control);
  if (w == nullptr) return;
  Applying applying(*this);
  WindowView* view = windowWidget(control.window());
  ShowProperty(*w, control, property, view->twips());
  switch (property) {
    case Property::Visible:
    case Property::Enabled:
    case Property::Locked:
    case Property::Tab:
    case Property::TabEnabled: view->checkFocusLater(); break;
    default: break;
  }
}

void WindowRenderer::focusChanged(Control* control) {
  if (control == nullptr) return;
  QWidget* w = widget(*control);
  if (w == nullptr || w->hasFocus() || !w->isVisible()) return;
  Applying applying(*this);
  w->setFocus(Qt::OtherFocusReason);
}

void WindowRenderer::createWidget(Control& control, WindowView& view) {
  QWidget* w = CreateControlWidget(control, parentFor(control, view), *this, view.twips());
  widgets_[&control] = w;
  controls_[w] = &control;
  ShowAllProperties(*w, control, view.twips());
}

QWidget* WindowRenderer::parentFor(const Control& control, WindowView& view) const {
  const Control* container = control.container();
  if (container == nullptr) return &view;
  QWidget* parent = widget(*container);
  if (parent == nullptr) return &view;
  if (container->kind() == Kind::TabStrip) {
    if (QWidget* page = static_cast<TabStripWidget*>(parent)->page(control.containerPage())) return page;
  }
  return parent;
}

// --- a person's actions ----------------------------------------------------------

Control* WindowRenderer::actingControl(QWidget* widget) const {
  if (applying_ > 0 || platform_ == nullptr) return nullptr;
  auto it = controls_.find(widget);
  return it == controls_.end() ? nullptr : it->second;
}

void WindowRenderer::showModelState(QWidget* widget, Control& control) {
  // The handler may have unloaded the window: then the widget stands for nothing.
  if (controls_.count(widget) == 0) return;
  Applying applying(*this);
  const Twips& twips = windowWidget(control.window())->twips();
  if (control.kind() == Kind::OptionButton) ShowProperty(*widget, control, Property::Value, twips);
  if (control.kind() == Kind::TabStrip) ShowProperty(*widget, control, Property::Tab, twips);
}

void WindowRenderer::clicked(QWidget* widget) {
  Control* control = actingControl(widget);
  if (control == nullptr) return;
  platform_->click(*control);
  // Qt toggles an option on its own; the model's selection is the one to show.
  showModelState(widget, *control);
}

void WindowRenderer::mouseMoved(QWidget* widget) {
  if (Control* control = actingControl(widget)) platform_->mouseMove(*control);
}

void WindowRenderer::focusEntered(QWidget* widget) {
  if (Control* control = actingControl(widget)) platform_->focus(*control);
}

void WindowRenderer::textEdited(TextBoxWidget* box, const QString& typed) {
  Control* control = actingControl(box);
  if (control == nullptr) return;
  const QString before = QString::fromStdString(control->text());
  const int cursor = box->cursorPosition();
  // One character typed at the end is typing: the key press, the insertion and
  // Change happen as the model types. Anything else (a paste, a deletion, an
  // insertion in the middle) hands the model the whole new text.
  if (const std::optional<QString> character = CharacterTypedAtEnd(before, typed, cursor)) {
    platform_->typeChar(*control, character->toStdString());
  } else {
    platform_->setTextByUser(*control, typed.toStdString());
  }
  if (controls_.count(box) == 0) return;
  // The model may have refused the key, cut the text or rewritten the box.
  const int kept = static_cast<int>(QString::fromStdString(control->text()).size());
  showModelText(*box, *control, cursor - (static_cast<int>(typed.size()) - kept));
}

void WindowRenderer::showModelText(TextBoxWidget& box, const Control& control, int cursor) {
  const QString text = QString::fromStdString(control.text());
  if (box.text() == text) return;
  Applying applying(*this);
  box.setText(text);
  box.setCursorPosition(std::clamp(cursor, 0, static_cast<int>(text.size())));
}

void WindowRenderer::returnPressed(TextBoxWidget* box) {
  if (Control* control = actingControl(box)) platform_->keyPress(*control, 13);
}

void WindowRenderer::tabClicked(QWidget* strip, int page) {
  Control* control = actingControl(strip);
  if (control == nullptr) return;
  platform_->clickTab(*control, page);
  // A refused page leaves the model's page selected.
  showModelState(strip, *control);
}

void WindowRenderer::closeRequested(WindowView* view) {
  if (applying_ > 0 || platform_ == nullptr) return;
  auto it = windows_.find(view);
  if (it != windows_.end()) platform_->close(*it->second);
}

}  // namespace qt
