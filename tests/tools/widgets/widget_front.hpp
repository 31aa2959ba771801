#pragma once
// The program as a person meets it on the desktop: its windows shown by the
// Qt renderer, each action a mouse or key event on the widget where it stands
// on the screen, each check read from what the widgets show. Message and input
// boxes, the printer and the clock stay scripted. The Qt application must exist.

#include <QPoint>
#include <QPointer>
#include <memory>
#include <optional>

#include "qt/qt_screen.hpp"
#include "scenario/front.hpp"

class QLineEdit;
class QRect;
class QWidget;

namespace qt {
class WindowRenderer;
}

namespace scenario {

class WidgetFront final : public Front {
 public:
  WidgetFront();
  ~WidgetFront() override;

  void Attach(support::Driver& driver) override;
  void Detach(support::Driver& driver) override;
  void Settle() override;

  std::string Click(platform::Control& c) override;
  std::string Type(platform::Control& box, const std::string& text) override;
  std::string Replace(platform::Control& box, const std::string& text) override;
  std::string Key(platform::Control& box, int code) override;
  std::string Focus(platform::Control& c) override;
  std::string Hover(platform::Control& c) override;
  std::string ClickTab(platform::Control& strip, int page) override;
  std::string Close(platform::Window& w) override;

  std::string Text(const platform::Control& c) override;
  std::string Caption(const platform::Control& c) override;
  bool Visible(const platform::Control& c) override;
  bool Shown(const platform::Control& c) override;
  bool Enabled(const platform::Control& c) override;
  bool Locked(const platform::Control& c) override;
  bool Value(const platform::Control& c) override;
  Measured Measure(const platform::Control& c, Edge edge, int twips) override;
  int Tab(const platform::Control& strip) override;
  std::string Pages(const platform::Control& strip) override;
  std::string PageCaption(const platform::Control& strip, int page) override;
  std::string WindowState(std::string_view name) override;
  std::string WindowCaption(const platform::Window& w) override;
  platform::MousePointer Pointer() override;

 private:
  QWidget* WidgetOf(const platform::Control& c) const;
  template <class W>
  W* WidgetAs(const platform::Control& c, const char* what) const;
  // A press and release of the left button at a point of AREA where the widget can be reached.
  std::string PressAt(QWidget* w, const QRect& area);
  // The box gets the focus as a person gives it: a click into it, unless it has it.
  std::string FocusBox(QLineEdit* box);

  std::unique_ptr<qt::WindowRenderer> renderer_;
  // The model's pointer as the desktop shows it: the application's override cursor.
  qt::QtScreen screen_;
  // Where the last move left the pointer: a person resting on a control again moves it a little.
  QPointer<QWidget> pointerWindow_;
  std::optional<QPoint> pointerAt_;
};

}  // namespace scenario
