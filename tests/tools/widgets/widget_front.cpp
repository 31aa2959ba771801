#include "widgets/widget_front.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <sstream>

#include "platform/characters.hpp"
#include "platform/window.hpp"
#include "qt/tab_strip_widget.hpp"
#include "qt/window_renderer.hpp"
#include "qt/window_view.hpp"
#include "support/driver.hpp"

namespace scenario {

namespace {

using platform::Control;

[[noreturn]] void NotExpressible(const std::string& what) {
  throw FrontFailure("not expressible through the widgets: " + what);
}

std::string NameOf(const QWidget* w) {
  if (w == nullptr) return "nothing";
  return w->objectName().isEmpty() ? std::string(w->metaObject()->className()) : w->objectName().toStdString();
}

// A point of AREA, in the widget's coordinates, where the pointer is over the
// widget itself and nothing of its window lies above it: the middle if it
// can, else the first such point from the top left. None when it is covered
// everywhere; AVOID is a point not to take.
std::optional<QPoint> ReachablePoint(QWidget* w, const QRect& area, std::optional<QPoint> avoid = {}) {
  QWidget* window = w->window();
  auto reaches = [&](QPoint p) {
    const QPoint there = w->mapTo(window, p);
    // The test events take the window's corner (0, 0) for its middle.
    return p != avoid && !there.isNull() && window->childAt(there) == w;
  };
  if (reaches(area.center())) return area.center();
  for (int y = area.top(); y <= area.bottom(); y += 2)
    for (int x = area.left(); x <= area.right(); x += 2)
      if (reaches({x, y})) return QPoint(x, y);
  return std::nullopt;
}

std::string CoveredBy(QWidget* w, const QRect& area) {
  QWidget* window = w->window();
  return "it is covered by " + NameOf(window->childAt(w->mapTo(window, area.center())));
}

// Makes the widget's window the active one, as a person's click into it does.
void Activate(QWidget* w) {
  QWidget* window = w->window();
  for (int tries = 0; tries < 5 && QApplication::activeWindow() != window; ++tries) {
    window->activateWindow();
    QApplication::processEvents();
  }
}

qt::WindowView* ViewNamed(std::string_view name) {
  qt::WindowView* hidden = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* view = dynamic_cast<qt::WindowView*>(w);
    if (view == nullptr || view->objectName().toStdString() != name) continue;
    if (view->isVisible()) return view;
    hidden = view;
  }
  return hidden;
}

}  // namespace

WidgetFront::WidgetFront() = default;
WidgetFront::~WidgetFront() = default;

void WidgetFront::Attach(support::Driver& driver) {
  renderer_ = std::make_unique<qt::WindowRenderer>();
  renderer_->attach(driver.platform);
  driver.headless.screen.shownOn = &screen_;
}

void WidgetFront::Detach(support::Driver& driver) {
  for (platform::Window* w : driver.platform.windows()) driver.platform.unload(*w);
  driver.platform.setObserver(nullptr);
  driver.headless.screen.shownOn = nullptr;
  screen_.setMousePointer(platform::MousePointer::Default);
  renderer_.reset();
  Settle();
}

void WidgetFront::Settle() {
  // What the event loop does once an event is over: queued calls, then the
  // widgets of unloaded windows.
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* WidgetFront::WidgetOf(const Control& c) const {
  QWidget* w = renderer_->widget(c);
  if (w == nullptr) throw FrontFailure(c.displayName() + " has no widget");
  return w;
}

template <class W>
W* WidgetFront::WidgetAs(const Control& c, const char* what) const {
  auto* w = dynamic_cast<W*>(WidgetOf(c));
  if (w == nullptr) NotExpressible(c.displayName() + " is no " + what);
  return w;
}

std::string WidgetFront::PressAt(QWidget* w, const QRect& area) {
  if (!w->isVisible()) return "it is not shown";
  if (!w->isEnabled()) return "it is not enabled";
  const auto point = ReachablePoint(w, area);
  if (!point) return CoveredBy(w, area);
  Activate(w);
  QWidget* window = w->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, w->mapTo(window, *point));
  return "";
}

std::string WidgetFront::Click(Control& c) {
  QWidget* w = WidgetOf(c);
  QRect area = w->rect();
  // An option takes a click on its round button and its caption only.
  if (auto* option = dynamic_cast<QAbstractButton*>(w); option != nullptr && option->isCheckable()) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    area = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option);
  }
  return PressAt(w, area);
}

std::string WidgetFront::FocusBox(QLineEdit* box) {
  if (box->hasFocus()) return "";
  if (std::string why = PressAt(box, box->rect()); !why.empty()) return why;
  return box->hasFocus() ? "" : "it does not take the focus";
}

std::string WidgetFront::Type(Control& c, const std::string& text) {
  if (std::string why = WhyNotTypable(text); !why.empty()) return why;
  const std::vector<std::string_view> characters = platform::Characters(text);
  for (const std::string_view character : characters)
    if (!platform::CharacterCode(character)) NotExpressible("no key types bytes that are no character");
  QPointer<QLineEdit> box = WidgetAs<QLineEdit>(c, "text box");
  if (std::string why = FocusBox(box); !why.empty()) return why;
  QTest::keyClick(box, Qt::Key_End);
  for (const std::string_view character : characters) {
    if (box == nullptr) break;  // a procedure unloaded the window
    // A key beyond ASCII is one event with its character as the text (a
    // surrogate pair for one beyond the Basic Multilingual Plane), as a
    // keyboard layout or an input method sends it.
    if (character.size() == 1) {
      QTest::keyClick(box, character.front());
    } else {
      const QString key = QString::fromUtf8(character.data(), static_cast<qsizetype>(character.size()));
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, key, Qt::NoModifier);
    }
  }
  return "";
}

std::string WidgetFront::Replace(Control& c, const std::string& text) {
  QLineEdit* box = WidgetAs<QLineEdit>(c, "text box");
  if (std::string why = FocusBox(box); !why.empty()) return why;
  QTest::keySequence(box, QKeySequence::SelectAll);
  if (text.empty()) {
    QTest::keyClick(box, Qt::Key_Delete);
  } else {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keySequence(box, QKeySequence::Paste);
  }
  return "";
}

std::string WidgetFront::Key(Control& c, int code) {
  if (code != 13) NotExpressible("key " + std::to_string(code) + ": a key that types nothing in a box is Enter (13)");
  QLineEdit* box = WidgetAs<QLineEdit>(c, "text box");
  if (std::string why = FocusBox(box); !why.empty()) return why;
  QTest::keyClick(box, Qt::Key_Return);
  return "";
}

std::string WidgetFront::Focus(Control& c) {
  QWidget* w = WidgetOf(c);
  if (auto* box = dynamic_cast<QLineEdit*>(w)) return FocusBox(box);
  if (!w->isVisible()) return "it is not shown";
  if (!w->isEnabled()) return "it is not enabled";
  // Any other control is reached with the Tab key.
  Activate(w);
  for (int presses = 0; presses < 200 && !w->hasFocus(); ++presses) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : w->window(), Qt::Key_Tab);
  }
  return w->hasFocus() ? "" : "the Tab key does not reach it";
}

std::string WidgetFront::Hover(Control& c) {
  QWidget* w = WidgetOf(c);
  if (!w->isVisible()) return "it is not shown";
  QWidget* window = w->window();
  // Resting on the same spot again moves nothing: the pointer moves a little within the control.
  std::optional<QPoint> avoid;
  if (pointerWindow_ == window && pointerAt_) avoid = w->mapFrom(window, *pointerAt_);
  const auto point = ReachablePoint(w, w->rect(), avoid);
  if (!point) return CoveredBy(w, w->rect());
  pointerWindow_ = window;
  pointerAt_ = w->mapTo(window, *point);
  QTest::mouseMove(window->windowHandle(), *pointerAt_);
  return "";
}

std::string WidgetFront::ClickTab(Control& c, int page) {
  QTabBar* bar = WidgetAs<qt::TabStripWidget>(c, "tab strip")->tabBar();
  if (bar->isVisible() && bar->isEnabled() && !bar->isTabEnabled(page)) return "the page is disabled";
  return PressAt(bar, bar->tabRect(page));
}

std::string WidgetFront::Close(platform::Window& w) {
  QWidget* view = renderer_->windowWidget(w);
  if (view == nullptr) throw FrontFailure("window " + w.name() + " has no widget");
  if (!view->isVisible()) return "it is not shown";
  view->close();
  return "";
}

std::string WidgetFront::Text(const Control& c) { return WidgetAs<QLineEdit>(c, "text box")->text().toStdString(); }

std::string WidgetFront::Caption(const Control& c) {
  QWidget* w = WidgetOf(c);
  if (auto* label = dynamic_cast<QLabel*>(w)) return label->text().toStdString();
  if (auto* button = dynamic_cast<QAbstractButton*>(w)) return button->text().toStdString();
  if (auto* frame = dynamic_cast<QGroupBox*>(w)) return frame->title().toStdString();
  NotExpressible(c.displayName() + " shows no caption");
}

bool WidgetFront::Visible(const Control& c) { return !WidgetOf(c)->isHidden(); }

bool WidgetFront::Shown(const Control& c) { return WidgetOf(c)->isVisible(); }

bool WidgetFront::Enabled(const Control& c) {
  QWidget* w = WidgetOf(c);
  return w->isEnabledTo(w->parentWidget());
}

bool WidgetFront::Locked(const Control& c) { return WidgetAs<QLineEdit>(c, "text box")->isReadOnly(); }

bool WidgetFront::Value(const Control& c) { return WidgetAs<QAbstractButton>(c, "option button")->isChecked(); }

Measured WidgetFront::Measure(const Control& c, Edge edge, int twips) {
  const QRect g = WidgetOf(c)->geometry();
  const qt::Twips& scale = renderer_->windowWidget(c.window())->twips();
  const int seen = Pick(edge, g.x(), g.y(), g.width(), g.height());
  const int expected = scale.pixels(twips);
  // A size spans two rounded edges: it may differ from its own rounding by a pixel.
  const int slack = edge == Edge::Width || edge == Edge::Height ? 1 : 0;
  std::ostringstream want;
  want << expected << " px (" << twips << " twips at the scale " << scale.scale() << ")";
  return {std::abs(seen - expected) <= slack, std::to_string(seen) + " px", want.str()};
}

int WidgetFront::Tab(const Control& c) {
  auto* strip = WidgetAs<qt::TabStripWidget>(c, "tab strip");
  const int onTabs = strip->tabBar()->currentIndex();
  if (onTabs != strip->shownPage())
    throw FrontFailure(c.displayName() + " marks page " + std::to_string(onTabs) + " on its tabs but shows page " +
                       std::to_string(strip->shownPage()));
  return onTabs;
}

std::string WidgetFront::Pages(const Control& c) {
  QTabBar* bar = WidgetAs<qt::TabStripWidget>(c, "tab strip")->tabBar();
  std::string out;
  for (int i = 0; i < bar->count(); ++i) out += bar->isTabEnabled(i) ? '1' : '0';
  return out;
}

std::string WidgetFront::PageCaption(const Control& c, int page) {
  return WidgetAs<qt::TabStripWidget>(c, "tab strip")->tabBar()->tabText(page).toStdString();
}

std::string WidgetFront::WindowState(std::string_view name) {
  const qt::WindowView* view = ViewNamed(name);
  if (view == nullptr) return "unloaded";
  return view->isVisible() ? "shown" : "hidden";
}

std::string WidgetFront::WindowCaption(const platform::Window& w) {
  const qt::WindowView* view = ViewNamed(w.name());
  if (view == nullptr) throw FrontFailure("window " + w.name() + " has no widget");
  return view->windowTitle().toStdString();
}

platform::MousePointer WidgetFront::Pointer() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor ? platform::MousePointer::Hourglass
                                                                 : platform::MousePointer::Default;
}

}  // namespace scenario
