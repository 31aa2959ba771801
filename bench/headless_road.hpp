#pragma once
// A walk through the headless program as a benchmark times it: a fresh
// program for every iteration, started with Um accepted; only the walk itself
// is timed, and an iteration whose walk does not arrive where it should
// fails the benchmark.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "platform/scripted_services.hpp"
#include "program/program.hpp"

struct HeadlessRoad {
  platform::HeadlessPlatform h;
  program::Program prog{h.platform};

  platform::Control& c(const char* name, int index = platform::kNoIndex) { return prog.app.main().get(name, index); }
  void click(const char* name, int index = platform::kNoIndex) { h.platform.click(c(name, index)); }
  void type(const char* name, int index, const char* text) { h.platform.typeText(c(name, index), text); }
  void type(const char* name, const char* text) { type(name, platform::kNoIndex, text); }

  // "START", then Um typed and accepted.
  void StartWithUm(const char* um) {
    prog.Main();
    h.platform.click(h.platform.window("Form1")->get("Command1"));
    type("txtUm", um);
    click("cmdOKUm");
  }
};

// Times `walk` on a road that `prepare` has brought to its first page.
template <class Road>
void TimeWalks(benchmark::State& state, const std::function<void(Road&)>& prepare,
               const std::function<void(Road&)>& walk, const std::function<bool(Road&)>& arrived) {
  for (auto _ : state) {
    state.PauseTiming();
    auto road = std::make_unique<Road>();
    prepare(*road);
    state.ResumeTiming();

    walk(*road);

    state.PauseTiming();
    if (!arrived(*road)) state.SkipWithError("the road did not end with the expected results");
    road.reset();
    state.ResumeTiming();
  }
}
