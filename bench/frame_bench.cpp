// Headless timings of the main window: loading it in its design state (what
// "START" costs before anything is painted) and a restart from a click.

#include <benchmark/benchmark.h>

#include "platform/events.hpp"
#include "support/driver.hpp"

namespace {

void BM_LoadMainWindowInDesignState(benchmark::State& state) {
  support::Driver d;
  for (auto _ : state) {
    platform::Window& w = d.platform.load(d.app().mainWindowDefinition());
    benchmark::DoNotOptimize(&w);
    state.PauseTiming();
    d.platform.unload(w);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadMainWindowInDesignState)->Unit(benchmark::kMillisecond);

void BM_RestartFromAClick(benchmark::State& state) {
  support::Driver d;
  d.Start();
  for (auto _ : state) {
    platform::Window& w = d.main();
    w.on("Command25", platform::EventType::Click, [&d](platform::Event&) { d.app().RestartProgram(); });
    // The click returns once the old window is gone and the new one is shown.
    d.click("Command25", 19);
  }
}
BENCHMARK(BM_RestartFromAClick)->Unit(benchmark::kMillisecond);

}  // namespace
