// Design of the slow-front strip SSTab1(8): the tabs of Ka, with the choice
// of a typed or a fitted exponent m at the top of the altitude frame, then H
// and the two exponents.

#include "required/ka_tabs_layout.hpp"
#include "required/slow_front_tabs.hpp"

namespace required {

namespace {

using namespace layout;

constexpr const KaTabsRoles& kTabs = SlowFrontTabs::kRoles;
constexpr kit::Place kAltitudeFrame = kit::Inside("Frame30", kTabs.altitudeFrame);
constexpr int kOptionsTop = 240, kHTop = 720, kPeTop = 1140, kPpTop = 1560, kOkTop = 1980;

constexpr auto kControls = kit::Join(
    KaTabsDesign(kTabs),
    std::array<ControlDesign, 7>{
        kit::Option(kAltitudeFrame, 52, {kKaCaptionLeft, kOptionsTop, 1800, 255}, "Enter m"),
        kit::Option(kAltitudeFrame, 53, {3600, kOptionsTop, 4800, 255}, "Calculated m (IEC 71-2:1996, Fig.9, p.87)"),
        AltitudeText(kTabs, "Label33", 73, kHTop, 1800, "Enter H value (m)"),
        AltitudeText(kTabs, "Label33", 72, kPeTop, 1800, "Enter m (p-e) value"),
        AltitudeText(kTabs, "Label33", 71, kPpTop, 1800, "Enter m (p-p) value"),
        AltitudeHelp(kTabs, 6, kHTop),
        AltitudeOk(kTabs, 19, kOkTop),
    });

constexpr auto kBoxes = kit::Join(KaTabsBoxes(kTabs), std::array<ControlDesign, 3>{
                                                          AltitudeInput(kTabs, AltitudeSf, kHTop, 8),
                                                          AltitudeInput(kTabs, ExponentMSfPe, kPeTop, 4),
                                                          AltitudeInput(kTabs, ExponentMSfPp, kPpTop, 4),
                                                      });

}  // namespace

std::span<const ControlDesign> SlowFrontTabs::Design() { return kControls; }

std::span<const ControlDesign> SlowFrontTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace required
