#pragma once
// Times a road a person walks through the headless program. Each run gets a
// fresh program, brought untimed to where the road starts; only the walk is
// timed; the run then checks, untimed, that the road ended as it should.

#include <benchmark/benchmark.h>

#include <memory>

template <class Road>
void TimeRoad(benchmark::State& state, void (Road::*start)(), bool (Road::*endedAsExpected)()) {
  for (auto _ : state) {
    state.PauseTiming();
    auto road = std::make_unique<Road>();
    ((*road).*start)();
    state.ResumeTiming();

    road->Walk();

    state.PauseTiming();
    if (!((*road).*endedAsExpected)()) state.SkipWithError("the road did not end with the expected results");
    road.reset();
    state.ResumeTiming();
  }
}
