#pragma once
// The platform model on the desktop: the real services and the renderer that
// shows the model's windows, wired together once for every program that
// runs on a display.

#include "platform/platform.hpp"
#include "qt/qt_clock.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/qt_printer.hpp"
#include "qt/qt_process.hpp"
#include "qt/qt_screen.hpp"
#include "qt/window_renderer.hpp"

namespace qt {

class Desktop {
 public:
  // The Qt application must exist. `dialogs` replaces the real message and
  // input boxes (a driver that answers them itself); nullptr keeps the real ones.
  explicit Desktop(platform::Dialogs* dialogs = nullptr)
      : printer_(renderer),
        platform(platform::Services{dialogs != nullptr ? dialogs : &dialogs_, &printer_, &clock_, &screen_,
                                    &process_}) {
    renderer.attach(platform);
  }
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  WindowRenderer renderer;

 private:
  QtDialogs dialogs_;
  QtPrinter printer_;
  QtClock clock_;
  QtScreen screen_;
  QtProcess process_;

 public:
  platform::Platform platform;
};

}  // namespace qt
