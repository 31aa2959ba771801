// Headless timing of the fast-front road for Um = 420 kV, as a person walks
// it on the page: CALCULATE, Formula I from Upl, c, L and S, Formula II from
// Upl, L, Lsp, n and A, Formula III from BIL and Ks, the choice of Formula II
// and its hand-over to the page. Loading the window, accepting Um and opening
// the page are not timed.

#include "frame/page_rule.hpp"
#include <benchmark/benchmark.h>

#include "road_timing.hpp"
#include "support/driver.hpp"

namespace {

struct Road : support::Driver {
  // The page lies beyond the surge arrester and slow-front pages: opened directly.
  void OpenFastFrontPage() {
    StartWithUm("420");
    frame::OpenPage(c("tabSubGeneral1"), 3);
  }

  void Walk() {
    click("Command25", 2);
    click("Option1", 34);
    type(209, "906");
    type(211, "300");
    type(84, "30");
    type(83, "1000");
    click("Command28", 1);
    click("Command29", 1);
    click("Option1", 37);
    type(210, "906");
    type(85, "30");
    type(86, "400");
    type(88, "2");
    type(89, "11000");
    click("Command28", 3);
    click("Command29", 3);
    click("Option1", 40);
    type(91, "1425");
    type(92, "1.15");
    click("Command28", 5);
    click("Command29", 5);
    click("Command28", 7);
    click("Command29", 6);
  }

  bool EndedAsExpected() {
    return text1(77).text() == "1318,5" && text1(78).text() == "1318,5" && text1(96).text() == "1239,13" &&
           messageCount() == 0;
  }
};

void BM_FastFrontRoad420kV(benchmark::State& state) {
  TimeRoad(state, &Road::OpenFastFrontPage, &Road::EndedAsExpected);
}
BENCHMARK(BM_FastFrontRoad420kV)->Unit(benchmark::kMicrosecond);

}  // namespace
