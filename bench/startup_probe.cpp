// The program as src/main.cpp wires it, with a stopwatch: prints the wall
// clock (CLOCK_REALTIME, ns) on entering main and at the first painted frame
// of the start window, so that a launcher can measure the time from process
// start (the time before main is the loading of the shared libraries).
//
//   startup-probe                 exit after the first frame
//   startup-probe --start [--um 420] [--click NAME[:INDEX]]... [--stay SECONDS]
//       click "START" (enter Um, click buttons or options of the main window)
//       and stay with the main window shown, for memory figures and screenshots
//   startup-probe --stay SECONDS  stay with the start window shown
//   startup-probe --start ... --step "VERB NAME[:INDEX] [TEXT]"...
//       once the main window stands, one action a step, in order: click, hover (the mouse
//       passing over), focus, type (TEXT typed into the box), write (TEXT written
//       into the box from code, as a stage before writes its results), answer (TEXT
//       queued for the next input box; the probe then answers input boxes
//       itself instead of showing them); each step acts on the main window as it stands
//       then, the new one after a restart; while steps run, messages are printed to the
//       error stream instead of shown
//   startup-probe --start ... --time-steps --step ...
//       also print, for each step, the time from the action to the main
//       window repainted whole (an upper bound of what a person waits)

#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <algorithm>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "first_paint.hpp"
#include "program/program.hpp"
#include "platform/platform.hpp"
#include "qt/desktop.hpp"
#include "qt/program_font.hpp"
#include "qt/qt_clock.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/qt_printer.hpp"
#include "qt/qt_process.hpp"
#include "qt/qt_screen.hpp"
#include "qt/window_renderer.hpp"

namespace {

long long Now() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The real input boxes, or queued answers while the probe has some.
class ProbeDialogs : public platform::Dialogs {
 public:
  void messageBox(const std::string& prompt, const std::string& title) override {
    if (printMessages) {
      std::fprintf(stderr, "message: %s | %s\n", prompt.c_str(), title.c_str());
      return;
    }
    real.messageBox(prompt, title);
  }
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override {
    if (answers.empty()) return real.inputBox(prompt, title, defaultText);
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::string> answers;
  // While the steps run, a message goes to the error stream: a modal box
  // would stop the steps until someone closes it.
  bool printMessages = false;
  qt::QtDialogs real;
};

platform::Control* Named(platform::Window& window, const std::string& word) {
  const auto colon = word.find(':');
  const int index = colon == std::string::npos ? platform::kNoIndex : std::atoi(word.c_str() + colon + 1);
  return window.find(word.substr(0, colon), index);
}

// The main window as it stands now: a restart replaces it, "Exit Program" unloads it.
platform::Window* MainWindow(platform::Platform& platform) { return platform.window("frmVarno"); }

void RunStep(platform::Platform& platform, ProbeDialogs& dialogs, const std::string& step) {
  std::istringstream in(step);
  std::string verb, name, text;
  in >> verb >> name;
  std::getline(in >> std::ws, text);
  if (verb == "answer") {
    dialogs.answers.push_back(name + (text.empty() ? "" : " " + text));
    return;
  }
  platform::Window* window = MainWindow(platform);
  if (window == nullptr) {
    std::fprintf(stderr, "no main window for %s\n", step.c_str());
    return;
  }
  platform::Control* c = Named(*window, name);
  if (c == nullptr) {
    std::fprintf(stderr, "no control %s\n", name.c_str());
    return;
  }
  if (verb == "click") platform.click(*c);
  if (verb == "hover") platform.mouseMove(*c);
  if (verb == "focus") platform.focus(*c);
  if (verb == "type") platform.typeText(*c, text);
  if (verb == "write") c->setText(text);
}

}  // namespace

int main(int argc, char** argv) {
  const long long entered = Now();
  bool start = false;
  std::string um;
  std::vector<std::string> clicks;
  std::vector<std::string> steps;
  int stay = 1;
  bool stayGiven = false;
  bool timeSteps = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--start") == 0) start = true;
    if (std::strcmp(argv[i], "--um") == 0 && i + 1 < argc) um = argv[++i];
    if (std::strcmp(argv[i], "--click") == 0 && i + 1 < argc) clicks.emplace_back(argv[++i]);
    if (std::strcmp(argv[i], "--time-steps") == 0) timeSteps = true;
    if (std::strcmp(argv[i], "--step") == 0 && i + 1 < argc) steps.emplace_back(argv[++i]);
    if (std::strcmp(argv[i], "--stay") == 0 && i + 1 < argc) {
      stay = std::atoi(argv[++i]);
      stayGiven = true;
    }
  }

  QApplication application(argc, argv);
  QApplication::setFont(qt::ProgramFont());
  QApplication::setQuitOnLastWindowClosed(false);

  ProbeDialogs dialogs;
  qt::Desktop desktop(&dialogs);
  platform::Platform& platform = desktop.platform;
  qt::WindowRenderer& renderer = desktop.renderer;
  program::Program program(platform);
  program.Main();

  platform::Window* startWindow = platform.window("Form1");
  if (startWindow == nullptr) {
    std::fprintf(stderr, "no start window\n");
    return 1;
  }
  std::unique_ptr<FirstPaint> mainPainted;
  FirstPaint startPainted(renderer.windowWidget(*startWindow), [&] {
    std::printf("%lld %lld\n", entered, Now());
    std::fflush(stdout);
    if (!start) {
      QTimer::singleShot(stayGiven ? stay * 1000 : 0, [] { QApplication::quit(); });
      return;
    }
    const long long clicked = Now();
    platform.click(startWindow->get("Command1"));
    if (platform::Window* main = MainWindow(platform); main != nullptr && !um.empty()) {
      platform.typeText(main->get("txtUm"), um);
      platform.click(main->get("cmdOKUm"));
    }
    for (const std::string& click : clicks) {
      platform::Window* main = MainWindow(platform);
      if (platform::Control* c = main != nullptr ? Named(*main, click) : nullptr) platform.click(*c);
    }
    platform::Window* main = MainWindow(platform);
    if (main == nullptr) {
      QApplication::quit();
      return;
    }
    mainPainted = std::make_unique<FirstPaint>(renderer.windowWidget(*main), [&, clicked] {
      std::printf("START to first painted main window: %.1f ms\n", (Now() - clicked) / 1e6);
      std::fflush(stdout);
      // The steps run once the window stands, with the pointer in the
      // screen's corner, so that no pointer passing over the window undoes
      // the help texts the steps hovered.
      if (!steps.empty()) QCursor::setPos(0, 0);
      dialogs.printMessages = !steps.empty();
      std::vector<double> waits;
      for (const std::string& step : steps) {
        const long long before = Now();
        RunStep(platform, dialogs, step);
        if (!timeSteps) continue;
        if (platform::Window* now = MainWindow(platform))
          if (QWidget* view = renderer.windowWidget(*now)) view->repaint();
        waits.push_back((Now() - before) / 1e6);
        std::printf("%8.2f ms  %s\n", waits.back(), step.c_str());
      }
      if (!waits.empty()) {
        std::sort(waits.begin(), waits.end());
        std::printf("steps %zu, median %.2f ms, slowest %.2f ms\n", waits.size(), waits[waits.size() / 2],
                    waits.back());
      }
      std::fflush(stdout);
      QTimer::singleShot(stay * 1000, [] { QApplication::quit(); });
    });
  });
  return QApplication::exec();
}
