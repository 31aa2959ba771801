// The program on the desktop: the Qt application, the real desktop services,
// the platform model and the program on it, and the front end that shows
// the model's windows.

#include <QApplication>

#include "program/program.hpp"
#include "qt/desktop.hpp"
#include "qt/program_font.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setFont(qt::ProgramFont());
  // The program ends when its last window is unloaded or on "Exit Program";
  // a window that is only hidden (the start window after "START") ends nothing.
  QApplication::setQuitOnLastWindowClosed(false);

  qt::Desktop desktop;
  program::Program program(desktop.platform);
  program.Main();
  if (desktop.platform.exited()) return 0;
  return QApplication::exec();
}
