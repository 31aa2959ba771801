// The time from a click on "Show table for A" to the first painted frame of
// the Table window, on the real front end (run it under Xvfb or on a desktop):
//
//   table-probe [--stay SECONDS]
//
// The main window is started with Um = 420 kV and the fast-front page opened
// on the Formula II tab before the stopwatch starts; the click is measured
// the first time (the window loaded and shown) and a second time after its
// close box (loaded afresh).

#include <QApplication>
#include <QTimer>
#include <memory>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include "frame/page_rule.hpp"
#include "first_paint.hpp"
#include "program/program.hpp"
#include "qt/desktop.hpp"
#include "qt/program_font.hpp"

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  int stay = 0;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--stay") == 0) stay = std::atoi(argv[i + 1]);

  QApplication application(argc, argv);
  QApplication::setFont(qt::ProgramFont());
  QApplication::setQuitOnLastWindowClosed(false);
  qt::Desktop desktop;
  platform::Platform& platform = desktop.platform;
  program::Program program(platform);
  program.Main();
  platform.click(platform.window("Form1")->get("Command1"));
  platform::Window& main = program.app.main();
  platform.typeText(main.get("txtUm"), "420");
  platform.click(main.get("cmdOKUm"));
  frame::OpenPage(main.get("tabSubGeneral1"), 3);
  for (const auto& [name, index] : {std::pair{"Command25", 2}, {"Option1", 33}, {"Command29", 1}})
    platform.click(main.get(name, index));

  std::unique_ptr<FirstPaint> painted;
  int round = 0;
  std::function<void()> measure = [&] {
    const auto clicked = Clock::now();
    platform.click(main.get("Command30"));
    platform::Window* table = platform.window("Table");
    if (table == nullptr) {
      std::fprintf(stderr, "no Table window\n");
      QCoreApplication::exit(1);
      return;
    }
    painted = std::make_unique<FirstPaint>(desktop.renderer.windowWidget(*table), [&, clicked, table] {
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - clicked).count();
      std::printf("click to painted Table window (%s): %.1f ms\n", round == 0 ? "first" : "after its close", ms);
      std::fflush(stdout);
      if (++round < 2) {
        platform.close(*table);
        QTimer::singleShot(200, measure);
        return;
      }
      QTimer::singleShot(stay * 1000, [] { QCoreApplication::exit(0); });
    });
  };
  QTimer::singleShot(500, measure);
  return QApplication::exec();
}
