// Headless timing of the whole temporary-overvoltage road for Um = 420 kV,
// as a person walks it: CALCULATE, K1 on a generator-transformer unit, K2 by
// the analytical formula, a single-phase earth fault, resonance with a typed
// factor, the combination from the reactances, the close, ENTER refused and
// accepted, "Next >>". Loading the window and accepting Um are not timed.

#include "headless_road.hpp"

namespace {

struct Road : HeadlessRoad {
  void Walk() {
    click("cmdCalculateTOV");
    // K1.2
    click("optCalculateK1");
    click("optK12");
    type("txtXd1", "0,2");
    type("txtUk1", "0,1");
    type("txtSG1", "100");
    type("txtSTr1", "100");
    type("txtCos1", "0,8");
    click("cmdCalculateOK1");
    click("Command3");
    // K2, analytical
    click("Option1", 1);
    click("Option1", 5);
    type("Text1", 4, "50");
    type("Text1", 5, "100");
    type("Text1", 6, "0,00001");
    type("Text1", 7, "400");
    h.platform.focus(c("Text1", 9));
    type("Text1", 9, "1256");
    type("Text1", 10, "12,56");
    type("Text1", 11, "12,56");
    type("Text1", 12, "500");
    type("Text1", 13, "0,00001");
    click("Command8");
    click("Command6");
    click("Command2");
    // K3, single phase
    click("Option1", 8);
    click("Option1", 12);
    type("Text1", 20, "30");
    type("Text1", 21, "10");
    click("Command12");
    click("Command10");
    // K4, step down at 1,2 pu with a typed factor
    click("Option1", 15);
    click("Option1", 19);
    click("Option1", 21);
    type("Text1", 26, "20");
    type("Text1", 27, "100");
    type("Text1", 28, "10");
    type("Text1", 31, "2");
    click("Command16");
    click("Command14");
    // Combination from the reactances, and the close
    click("Option1", 24);
    type("Text1", 34, "30");
    type("Text1", 35, "10");
    click("Command17");
    click("Command18");
    // ENTER below the calculated values, then above them; "Next >>"
    h.dialogs.queueAnswer("480");
    h.dialogs.queueAnswer("840");
    click("cmdEnterTOV");
    h.dialogs.queueAnswer("485");
    h.dialogs.queueAnswer("840.5");
    click("cmdEnterTOV");
    click("Command21", 1);
  }
};

void BM_Road420kV(benchmark::State& state) {
  TimeWalks<Road>(
      state, [](Road& road) { road.StartWithUm("420"); }, [](Road& road) { road.Walk(); },
      [](Road& road) {
        return road.c("txtTOVpe").text() == "485" && road.c("txtTOVpp").text() == "840,5" &&
               road.h.dialogs.messages.size() == 2;
      });
}
BENCHMARK(BM_Road420kV)->Unit(benchmark::kMicrosecond);

}  // namespace
