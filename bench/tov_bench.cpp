// Headless timing of the whole temporary-overvoltage road for Um = 420 kV,
// as a person walks it: CALCULATE, K1 on a generator-transformer unit, K2 by
// the analytical formula, a single-phase earth fault, resonance with a typed
// factor, the combination from the reactances, the close, ENTER refused and
// accepted, "Next >>". Loading the window and accepting Um are not timed.

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <utility>

#include "road_timing.hpp"
#include "support/driver.hpp"

namespace {

// Types each text into its box, in order.
void TypeAll(support::Driver& d, std::initializer_list<std::pair<const char*, const char*>> boxes) {
  for (const auto& [name, text] : boxes) d.type(name, text);
}
void TypeAll(support::Driver& d, std::initializer_list<std::pair<int, const char*>> slots) {
  for (const auto& [slot, text] : slots) d.type(slot, text);
}

// From CALCULATE to "Next >>" of the temporary-overvoltage page.
void WalkTovRoad(support::Driver& d) {
  d.click("cmdCalculateTOV");
  // K1.2
  d.click("optCalculateK1");
  d.click("optK12");
  TypeAll(d, {{"txtXd1", "0,2"}, {"txtUk1", "0,1"}, {"txtSG1", "100"}, {"txtSTr1", "100"}, {"txtCos1", "0,8"}});
  d.click("cmdCalculateOK1");
  d.click("Command3");
  // K2, analytical
  d.click("Option1", 1);
  d.click("Option1", 5);
  TypeAll(d, {{4, "50"}, {5, "100"}, {6, "0,00001"}, {7, "400"}});
  d.platform.focus(d.text1(9));
  TypeAll(d, {{9, "1256"}, {10, "12,56"}, {11, "12,56"}, {12, "500"}, {13, "0,00001"}});
  d.click("Command8");
  d.click("Command6");
  d.click("Command2");
  // K3, single phase
  d.click("Option1", 8);
  d.click("Option1", 12);
  TypeAll(d, {{20, "30"}, {21, "10"}});
  d.click("Command12");
  d.click("Command10");
  // K4, step down at 1,2 pu with a typed factor
  d.click("Option1", 15);
  d.click("Option1", 19);
  d.click("Option1", 21);
  TypeAll(d, {{26, "20"}, {27, "100"}, {28, "10"}, {31, "2"}});
  d.click("Command16");
  d.click("Command14");
  // Combination from the reactances, and the close
  d.click("Option1", 24);
  TypeAll(d, {{34, "30"}, {35, "10"}});
  d.click("Command17");
  d.click("Command18");
  // ENTER below the calculated values, then above them; "Next >>"
  for (const char* answer : {"480", "840"}) d.headless.dialogs.queueAnswer(answer);
  d.click("cmdEnterTOV");
  for (const char* answer : {"485", "840.5"}) d.headless.dialogs.queueAnswer(answer);
  d.click("cmdEnterTOV");
  d.click("Command21", 1);
}

struct Road : support::Driver {
  void OpenTovPage() { StartWithUm("420"); }
  void Walk() { WalkTovRoad(*this); }
  bool EndedAsExpected() {
    return c("txtTOVpe").text() == "485" && c("txtTOVpp").text() == "840,5" && messageCount() == 2;
  }
};

void BM_Road420kV(benchmark::State& state) { TimeRoad(state, &Road::OpenTovPage, &Road::EndedAsExpected); }
BENCHMARK(BM_Road420kV)->Unit(benchmark::kMicrosecond);

}  // namespace
