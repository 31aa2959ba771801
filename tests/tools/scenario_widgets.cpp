// scenario-widgets [--screen WxH] FILE...: runs each scenario file against a
// fresh program shown by the Qt front end, acting and reading through the
// widgets; prints one line per failed step, then "N passed, N failed". The
// windows are drawn offscreen, unless another platform is named, on a screen
// of WxH pixels at 96 dpi (Qt's own offscreen screen without --screen), which
// decides the scale the windows are drawn at.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <iostream>

#include "qt/program_font.hpp"
#include "scenario/run.hpp"
#include "widgets/widget_front.hpp"

namespace {

// Describes the offscreen screen in a file the platform reads when it starts.
bool UseOffscreenScreen(const QTemporaryDir& dir, const char* size) {
  int width = 0, height = 0;
  if (std::sscanf(size, "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0) return false;
  QFile config(dir.filePath("screen.json"));
  if (!config.open(QIODevice::WriteOnly)) return false;
  config.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  QTemporaryDir dir;
  const bool offscreen = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen";
  if (argc > 2 && std::strcmp(argv[1], "--screen") == 0) {
    if (offscreen && !UseOffscreenScreen(dir, argv[2])) {
      std::cerr << "--screen takes WIDTHxHEIGHT, not " << argv[2] << "\n";
      return 2;
    }
    first = 3;
  } else if (offscreen) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QApplication::setFont(qt::ProgramFont());
  QApplication::setQuitOnLastWindowClosed(false);
  scenario::WidgetFront front;
  int passed = 0;
  int failed = 0;
  for (int i = first; i < argc; ++i) (scenario::RunFile(argv[i], std::cout, front) ? passed : failed) += 1;
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
