// scenario-widgets [--screen WxH] [--shots DIR] FILE...: runs each scenario
// file against a fresh program shown by the Qt front end, acting and reading
// through the widgets; prints one line per failed step, then "N passed, N
// failed". The windows are drawn offscreen, unless another platform is named,
// on a screen of WxH pixels at 96 dpi (Qt's own offscreen screen without
// --screen), which decides the scale the windows are drawn at. With --shots,
// every step that opens another page or strip, or shows a window, leaves a
// picture of each shown window in DIR, named by the step's file, line and page.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/platform.hpp"
#include "qt/program_font.hpp"
#include "qt/window_view.hpp"
#include "scenario/run.hpp"
#include "scenario/session.hpp"
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

// The pictures of the shown windows whenever the pages a person sees change.
class Shots {
 public:
  explicit Shots(QString dir) : dir_(std::move(dir)) {}

  void operator()(scenario::Session& s, const scenario::Step& step) {
    const std::string seen = Seen(s.platform());
    if (seen == last_) return;
    last_ = seen;
    const QString where = QStringLiteral("%1_%2_%3")
                              .arg(++count_, 4, 10, QChar('0'))
                              .arg(QFileInfo(QString::fromStdString(step.source->file)).completeBaseName())
                              .arg(step.line);
    for (const platform::Window* w : s.platform().windows()) {
      if (!w->shown()) continue;
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* view = dynamic_cast<qt::WindowView*>(top);
        if (view == nullptr || !view->isVisible() || view->objectName().toStdString() != w->name()) continue;
        view->grab().save(QDir(dir_).filePath(where + "_" + Page(*w) + ".png"));
      }
    }
  }

 private:
  // The shown windows and the page of each shown strip.
  static std::string Seen(const platform::Platform& platform) {
    std::string seen;
    for (const platform::Window* w : platform.windows()) {
      if (!w->shown()) continue;
      seen += w->name() + ";";
      for (const auto& c : w->controls())
        if (c->kind() == platform::Kind::TabStrip && c->isShown())
          seen += c->displayName() + ":" + std::to_string(c->tab()) + ";";
    }
    return seen;
  }

  // The window and the captions of the pages shown in it, outermost first.
  static QString Page(const platform::Window& w) {
    QString page = QString::fromStdString(w.name());
    for (const auto& c : w.controls())
      if (c->kind() == platform::Kind::TabStrip && c->isShown())
        page += "-" + QString::fromStdString(c->tabCaption(c->tab()));
    page.replace('&', "");
    for (QChar& ch : page)
      if (!ch.isLetterOrNumber() && ch != '-') ch = '_';
    return page;
  }

  QString dir_;
  std::string last_;
  int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir dir;
  const bool offscreen = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen";
  const char* screen = nullptr;
  QString shots;
  int first = 1;
  for (; first + 1 < argc; first += 2) {
    if (std::strcmp(argv[first], "--screen") == 0) {
      screen = argv[first + 1];
    } else if (std::strcmp(argv[first], "--shots") == 0) {
      shots = QString::fromLocal8Bit(argv[first + 1]);
    } else {
      break;
    }
  }
  if (screen != nullptr && offscreen && !UseOffscreenScreen(dir, screen)) {
    std::cerr << "--screen takes WIDTHxHEIGHT, not " << screen << "\n";
    return 2;
  }
  if (screen == nullptr && offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!shots.isEmpty() && !QDir().mkpath(shots)) {
    std::cerr << "--shots cannot make the folder " << shots.toStdString() << "\n";
    return 2;
  }
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QApplication::setFont(qt::ProgramFont());
  QApplication::setQuitOnLastWindowClosed(false);
  scenario::WidgetFront front;
  Shots pictures(shots);
  scenario::AfterStep after;
  if (!shots.isEmpty()) after = [&pictures](scenario::Session& s, const scenario::Step& step) { pictures(s, step); };
  int passed = 0;
  int failed = 0;
  for (int i = first; i < argc; ++i) (scenario::RunFile(argv[i], std::cout, front, after) ? passed : failed) += 1;
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
