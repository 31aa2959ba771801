#pragma once
// Shows every window of the platform model as Qt widgets, and turns what a
// person does with them into the model's user actions.
//
// Model changes are applied as they come. While the renderer applies one, the
// widgets' own signals are not passed on, so nothing the model writes comes
// back to it as if a person had done it. Once the model unloads a window, its
// widgets no longer reach the model and are deleted later, when Qt is out of
// every signal of theirs.

#include <QMargins>
#include <QPointer>
#include <unordered_map>

#include "platform/observer.hpp"
#include "platform/platform.hpp"
#include "qt/user_actions.hpp"
#include "qt/window_view.hpp"

namespace qt {

class WindowRenderer final : public platform::Observer, public UserActions {
 public:
  WindowRenderer() = default;
  ~WindowRenderer() override;
  WindowRenderer(const WindowRenderer&) = delete;
  WindowRenderer& operator=(const WindowRenderer&) = delete;

  // Becomes the platform's observer; the renderer must outlive the platform's use of it.
  void attach(platform::Platform& platform);

  // The top-level widget of a loaded window, or nullptr.
  WindowView* windowWidget(const platform::Window& window) const;
  // The widget of a control of a loaded window, or nullptr.
  QWidget* widget(const platform::Control& control) const;

  // platform::Observer
  void windowLoaded(platform::Window& window) override;
  void windowShown(platform::Window& window) override;
  void windowShownBeside(platform::Window& window, std::span<const platform::Control* const> inSight) override;
  void windowHidden(platform::Window& window) override;
  void windowBroughtToFront(platform::Window& window) override;
  void windowUnloaded(platform::Window& window) override;
  void windowCaptionChanged(platform::Window& window) override;
  void controlCreated(platform::Control& control) override;
  void controlChanged(platform::Control& control, platform::Property property) override;
  void focusChanged(platform::Control* control) override;

  // UserActions
  void clicked(QWidget* widget) override;
  void mouseMoved(QWidget* widget) override;
  void focusEntered(QWidget* widget) override;
  void textEdited(TextBoxWidget* box, const QString& text) override;
  void returnPressed(TextBoxWidget* box) override;
  void tabClicked(QWidget* strip, int page) override;
  void closeRequested(WindowView* view) override;

 private:
  class Applying;

  void createWidget(platform::Control& control, WindowView& view);
  QWidget* parentFor(const platform::Control& control, WindowView& view) const;
  // The control a widget stands for, or nullptr once its window is unloaded
  // or while the renderer is applying a model change.
  platform::Control* actingControl(QWidget* widget) const;
  void showModelState(QWidget* widget, platform::Control& control);
  void showModelText(TextBoxWidget& box, const platform::Control& control, int cursor);
  // Takes the title bar and borders of the shown windows as the ones new windows will get.
  void learnFrame();

  platform::Platform* platform_ = nullptr;
  std::unordered_map<const platform::Window*, QPointer<WindowView>> views_;
  std::unordered_map<const WindowView*, platform::Window*> windows_;
  std::unordered_map<const platform::Control*, QWidget*> widgets_;
  std::unordered_map<const QWidget*, platform::Control*> controls_;
  int applying_ = 0;
  // Until a window has been shown decorated, a frame larger than common
  // desktops give, so that the first window surely fits.
  QMargins frame_{8, 48, 8, 8};
};

}  // namespace qt
