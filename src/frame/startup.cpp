// Start-up and the two ways out of a run: restart and exit.

#include "frame/app.hpp"
#include "frame/page_rule.hpp"

namespace frame {

namespace {
constexpr short kTrue = -1;
constexpr short kFalse = 0;
}  // namespace

void App::Main() {
  if (module1.gRestartFlag == kTrue) {
    // A restart: the main window comes back in its design state; the start
    // window stays gone.
    if (platform::Window* old = platform.window(main_.name)) platform.unload(*old);
    platform::Window& w = platform.load(main_);
    platform.show(w);
    return;
  }
  platform.show(platform.load(start_));
}

void App::Command1_Click() {
  platform.show(platform.load(main_));
  if (platform::Window* start = platform.window(start_.name)) {
    platform.hide(*start);
    platform.unload(*start);
  }
}

void App::Form_Load(platform::Window& w) {
  module1.gRestartFlag = kFalse;
  mainVars = MainVars{};
  dependencies.Reset();
  // Only the first main page is open; the strip itself stays disabled until Um is accepted.
  OpenPage(w("tabGeneral"), 0);
}

void App::RestartProgram() {
  module1.gRestartFlag = kTrue;
  Main();
}

void App::ExitProgram() { platform.exitProcess(); }

}  // namespace frame
