// The program on the desktop: the Qt application, the real desktop services,
// the platform model and the program on it, and the front end that shows
// the model's windows.

#include <QApplication>

#include "frame/routing/program.hpp"
#include "platform/platform.hpp"
#include "qt/program_font.hpp"
#include "qt/qt_clock.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/qt_printer.hpp"
#include "qt/qt_process.hpp"
#include "qt/qt_screen.hpp"
#include "qt/window_renderer.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setFont(qt::ProgramFont());
  // The program ends when its last window is unloaded or on "Exit Program";
  // a window that is only hidden (the start window after "START") ends nothing.
  QApplication::setQuitOnLastWindowClosed(false);

  qt::WindowRenderer renderer;
  qt::QtDialogs dialogs;
  qt::QtPrinter printer(renderer);
  qt::QtClock clock;
  qt::QtScreen screen;
  qt::QtProcess process;
  platform::Platform platform(platform::Services{&dialogs, &printer, &clock, &screen, &process});
  renderer.attach(platform);

  program::Program program(platform);
  program.Main();
  if (platform.exited()) return 0;
  return QApplication::exec();
}
