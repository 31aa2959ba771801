// Building and showing a window of 1,500 controls with the Qt front end,
// offscreen: labels, text boxes, buttons and options in frames on the pages of
// tab strips, as the main window's pages hold them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>
#include <string>
#include <vector>

#include "platform/scripted_services.hpp"
#include "qt/program_font.hpp"
#include "qt/window_renderer.hpp"

namespace {

using platform::ControlDesign;
using platform::Kind;

// Design rows keep their names and captions alive for the window's build.
struct LargeWindow {
  std::vector<std::string> names;
  std::vector<ControlDesign> rows;

  LargeWindow() {
    names.reserve(2000);
    rows.push_back({.kind = Kind::TabStrip, .name = "tabMain", .left = 0, .top = 0, .width = 14445,
                    .height = 10425, .tabs = "One|Two|Three|Four|Five"});
    int count = 1;
    for (int page = 0; page < 5; ++page) {
      for (int f = 0; f < 12 && count < 1500; ++f) {
        const std::string& frame = names.emplace_back("Frame" + std::to_string(page * 100 + f));
        rows.push_back({.kind = Kind::Frame, .name = frame.c_str(), .container = "tabMain", .page = page,
                        .left = 120 + (f % 4) * 3550, .top = 400 + (f / 4) * 3300, .width = 3450,
                        .height = 3200, .caption = "Data", .flags = platform::Bordered});
        ++count;
        for (int r = 0; r < 6 && count < 1500; ++r) {
          const int top = 300 + r * 450;
          const int slot = (page * 12 + f) * 6 + r;
          rows.push_back({.kind = Kind::Label, .name = "Label5", .index = slot, .container = frame.c_str(),
                          .left = 100, .top = top, .width = 1500, .height = 285,
                          .caption = "Voltage U    (kV)"});
          rows.push_back({.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = frame.c_str(),
                          .left = 1650, .top = top, .width = 900, .height = 285, .caption = "2222222",
                          .maxLength = 8});
          rows.push_back({.kind = r % 2 == 0 ? Kind::OptionButton : Kind::CommandButton, .name = "Command9",
                          .index = slot, .container = frame.c_str(), .left = 2600, .top = top, .width = 750,
                          .height = 315, .caption = "OK"});
          rows.push_back({.kind = Kind::Label, .name = "Label6", .index = slot, .container = frame.c_str(),
                          .left = 100, .top = top + 240, .width = 3000, .height = 200, .caption = "m"});
          count += 4;
        }
      }
    }
  }
};

void BM_BuildAndShow1500Controls(benchmark::State& state) {
  LargeWindow large;
  platform::HeadlessPlatform h;
  qt::WindowRenderer renderer;
  renderer.attach(h.platform);
  platform::WindowDefinition definition{.name = "frmLarge", .caption = "Large", .clientWidth = 14445,
                                        .clientHeight = 11010,
                                        .build = [&](platform::Window& w) { w.createAll(large.rows); },
                                        .onLoad = {}};
  for (auto _ : state) {
    platform::Window& w = h.platform.load(definition);
    h.platform.show(w);
    QWidget* view = renderer.windowWidget(w);
    QCoreApplication::processEvents();  // the window is exposed and painted
    benchmark::DoNotOptimize(view);
    state.PauseTiming();
    state.counters["controls"] = static_cast<double>(w.controls().size());
    h.platform.unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildAndShow1500Controls)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  QApplication::setFont(qt::ProgramFont());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
