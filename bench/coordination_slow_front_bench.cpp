// Headless timing of the co-ordination slow-front road for Um = 420 kV, as a
// person walks it from CALCULATE to the commit: the internal Kcd by curve a
// from Ue2 in pu, the external Kcs from R, "Next >>", the internal Kcd by
// curve b for energization, the external Kcs, and the commit into the page's
// summary. Reaching the page (the representative slow-front values
// calculated on the Range II tabs, the fast-front SKIP, Ucw for temporary
// overvoltages) is not timed.

#include <benchmark/benchmark.h>

#include "road_timing.hpp"
#include "support/slow_front_road.hpp"

namespace {

struct Road : support::Driver {
  void OpenCoordinationSlowFrontPage() {
    support::OpenSlowFrontPage420kV(*this);
    support::CalculateSlowFrontRange2(*this);
    click("Command21", 10);
    click("Command25", 4);
    click("Command25", 6);
    click("Command21", 19);
  }

  void Walk() {
    click("Command25", 8);
    click("Option1", 66);
    click("Option1", 69);
    type(119, "2,2");
    click("Command28", 12);
    click("Option1", 71);
    click("Option1", 75);
    type(110, "0,0001");
    click("Command28", 10);
    click("Command29", 9);
    click("Option1", 77);
    click("Option1", 42);
    click("Option1", 82);
    type(118, "0,0004");
    click("Command28", 11);
    click("Command29", 11);
  }

  bool EndedAsExpected() {
    return text1(103).text() == "769,6" && text1(102).text() == "1288" && text1(105).text() == "851" &&
           text1(104).text() == "1419,8" && messageCount() == 0;
  }
};

void BM_CoordinationSlowFrontRoad420kV(benchmark::State& state) {
  TimeRoad(state, &Road::OpenCoordinationSlowFrontPage, &Road::EndedAsExpected);
}
BENCHMARK(BM_CoordinationSlowFrontRoad420kV)->Unit(benchmark::kMicrosecond);

}  // namespace
