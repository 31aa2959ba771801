// Headless timings of the main window: loading it in its design state (what
// "START" costs before anything is painted) and a restart from a click.

#include <benchmark/benchmark.h>

#include "program/program.hpp"
#include "platform/events.hpp"
#include "platform/scripted_services.hpp"

namespace {

void BM_LoadMainWindowInDesignState(benchmark::State& state) {
  platform::HeadlessPlatform h;
  program::Program prog{h.platform};
  for (auto _ : state) {
    platform::Window& w = h.platform.load(prog.app.mainWindowDefinition());
    benchmark::DoNotOptimize(&w);
    state.PauseTiming();
    h.platform.unload(w);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadMainWindowInDesignState)->Unit(benchmark::kMillisecond);

void BM_RestartFromAClick(benchmark::State& state) {
  platform::HeadlessPlatform h;
  program::Program prog{h.platform};
  prog.Main();
  h.platform.click(h.platform.window("Form1")->get("Command1"));
  for (auto _ : state) {
    platform::Window& w = prog.app.main();
    w.on("Command25", platform::EventType::Click, [&prog](platform::Event&) { prog.app.RestartProgram(); });
    // The click returns once the old window is gone and the new one is shown.
    h.platform.click(w.get("Command25", 19));
  }
}
BENCHMARK(BM_RestartFromAClick)->Unit(benchmark::kMillisecond);

}  // namespace
