// Headless timing of the Range II slow-front road for Um = 420 kV, as a person
// walks it from CALCULATE to the accept: Ue2 in pu and "OK", "Next >>",
// energization, the clearance and the height with the external "OK", and the
// accept into the page's summary. Reaching the slow-front page is not timed.

#include <benchmark/benchmark.h>

#include "road_timing.hpp"
#include "support/slow_front_road.hpp"

namespace {

struct Road : support::Driver {
  void OpenSlowFrontPage() { support::OpenSlowFrontPage420kV(*this); }

  void Walk() { support::CalculateSlowFrontRange2(*this); }

  bool EndedAsExpected() {
    return text1(61).text() == "1288,0" && text1(63).text() == "1327,0" && messageCount() == 0;
  }
};

void BM_SlowFrontRange2Road420kV(benchmark::State& state) {
  TimeRoad(state, &Road::OpenSlowFrontPage, &Road::EndedAsExpected);
}
BENCHMARK(BM_SlowFrontRange2Road420kV)->Unit(benchmark::kMicrosecond);

}  // namespace
