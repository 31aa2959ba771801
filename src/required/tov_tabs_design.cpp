// Design of the temporary-overvoltage strip SSTab1(7): the shared design of
// the Ka tabs, with H and one exponent m in the altitude frame Frame30(6)
// above the hint on m.

#include <vector>

#include "required/ka_tabs_design.hpp"
#include "required/slots.hpp"
#include "required/tov_tabs.hpp"

namespace required {

namespace {

using platform::ControlDesign;

constexpr KaTabsDesign kTabs{7, "Label87", 5, 1, 3, 6, 7, 48, 49, 74, 17, 220, 8,
                             UrwTovPeIntCalc, UrwTovPpIntCalc, UrwTovPeExtCalc, UrwTovPpExtCalc, KaTovEntered};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  AddKaTabs(rows, kTabs);
  rows.push_back(AltitudeText(kTabs, "Label33", 68, 360, 1800, "Enter H value (m)"));
  rows.push_back(AltitudeText(kTabs, "Label33", 69, 780, 1800, "Enter m value"));
  ControlDesign hint = AltitudeText(kTabs, "Label33", 67, 1620, 5400,
                                    "For short duration power-frequency withstand voltages\nm=1 for clean insulators\n"
                                    "m=0,5 for polluted insulators\nm=0,8 for anti-fog designed insulators");
  hint.height = 1000;
  hint.flags = platform::Hidden;
  rows.push_back(hint);
  ControlDesign help = AltitudeText(kTabs, "Label85", 5, 360, 4200, "Altitude above sea level");
  help.left = kKaBoxLeft + 1200;
  help.foreColor = platform::kBlue;
  rows.push_back(help);
  rows.push_back({.kind = platform::Kind::CommandButton, .name = "Command28", .index = 16, .container = "Frame30",
                  .containerIndex = 6, .left = kKaBoxLeft, .top = 1200, .width = 900, .height = 315, .caption = "OK",
                  .flags = platform::Hidden});
  return rows;
}

std::vector<ControlDesign> MakeBoxes() {
  std::vector<ControlDesign> rows;
  AddKaTabsBoxes(rows, kTabs);
  rows.push_back(AltitudeInput(kTabs, AltitudeTov, kKaBoxLeft, 360, 8));
  rows.push_back(AltitudeInput(kTabs, ExponentMTov, kKaBoxLeft, 780, 4));
  return rows;
}

}  // namespace

std::span<const ControlDesign> RwTovTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> RwTovTabs::ValueStoreRows() {
  static const std::vector<ControlDesign> rows = MakeBoxes();
  return rows;
}

}  // namespace required
