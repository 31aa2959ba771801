// Design of the slow-front strip SSTab1(8): the shared design of the Ka
// tabs, with the choice of a typed or a fitted exponent m at the top of the
// altitude frame Frame30(9), then H and the two exponents.

#include <vector>

#include "required/ka_tabs_design.hpp"
#include "required/slots.hpp"
#include "required/slow_front_tabs.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;

constexpr KaTabsDesign kTabs{8, "Label88", 11, 2, 4, 9, 8, 55, 54, 77, 18, 225, 9,
                             UrwSfPeIntCalc, UrwSfPpIntCalc, UrwSfPeExtCalc, UrwSfPpExtCalc, KaSfEntered};

constexpr int kOptionsTop = 240, kHTop = 720, kPeTop = 1140, kPpTop = 1560, kOkTop = 1980;

ControlDesign Option(int index, int left, int width, const char* caption) {
  return {.kind = Kind::OptionButton, .name = "Option1", .index = index, .container = "Frame30",
          .containerIndex = kTabs.altitudeFrame, .left = left, .top = kOptionsTop, .width = width, .height = 255,
          .caption = caption};
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  AddKaTabs(rows, kTabs);
  rows.push_back(Option(52, kKaCaptionLeft, 1800, "Enter m"));
  rows.push_back(Option(53, 3600, 4800, "Calculated m (IEC 71-2:1996, Fig.9, p.87)"));
  rows.push_back(AltitudeText(kTabs, "Label33", 73, kHTop, 1800, "Enter H value (m)"));
  rows.push_back(AltitudeText(kTabs, "Label33", 72, kPeTop, 1800, "Enter m (p-e) value"));
  rows.push_back(AltitudeText(kTabs, "Label33", 71, kPpTop, 1800, "Enter m (p-p) value"));
  ControlDesign help = AltitudeText(kTabs, "Label85", 6, kHTop, 4200, "Altitude above sea level");
  help.left = kKaBoxLeft + 1200;
  help.foreColor = platform::kBlue;
  rows.push_back(help);
  rows.push_back({.kind = Kind::CommandButton, .name = "Command28", .index = 19, .container = "Frame30",
                  .containerIndex = kTabs.altitudeFrame, .left = kKaBoxLeft, .top = kOkTop, .width = 900,
                  .height = 315, .caption = "OK", .flags = platform::Hidden});
  return rows;
}

std::vector<ControlDesign> MakeBoxes() {
  std::vector<ControlDesign> rows;
  AddKaTabsBoxes(rows, kTabs);
  rows.push_back(AltitudeInput(kTabs, AltitudeSf, kKaBoxLeft, kHTop, 8));
  rows.push_back(AltitudeInput(kTabs, ExponentMSfPe, kKaBoxLeft, kPeTop, 4));
  rows.push_back(AltitudeInput(kTabs, ExponentMSfPp, kKaBoxLeft, kPpTop, 4));
  return rows;
}

}  // namespace

std::span<const ControlDesign> RwSlowFrontTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> RwSlowFrontTabs::ValueStoreRows() {
  static const std::vector<ControlDesign> rows = MakeBoxes();
  return rows;
}

}  // namespace required
