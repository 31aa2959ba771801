// Design of the temporary-overvoltage strip SSTab1(7): the tabs of Ka, with
// H and one exponent m in the altitude frame above the hint on m.

#include "required/ka_tabs_layout.hpp"
#include "required/tov_tabs.hpp"

namespace required {

namespace {

using namespace layout;

constexpr const KaTabsRoles& kTabs = TovTabs::kRoles;

constexpr auto kControls = kit::Join(
    KaTabsDesign(kTabs),
    std::array<ControlDesign, 5>{
        AltitudeText(kTabs, "Label33", 68, 360, 1800, "Enter H value (m)"),
        AltitudeText(kTabs, "Label33", 69, 780, 1800, "Enter m value"),
        kit::Label(kit::Inside("Frame30", kTabs.altitudeFrame), "Label33", 67, {kKaCaptionLeft, 1620, 5400, 1000},
                   "For short duration power-frequency withstand voltages\nm=1 for clean insulators\n"
                   "m=0,5 for polluted insulators\nm=0,8 for anti-fog designed insulators")
            .hidden(),
        AltitudeHelp(kTabs, 5, 360),
        AltitudeOk(kTabs, 16, 1200),
    });

constexpr auto kBoxes = kit::Join(KaTabsBoxes(kTabs), std::array<ControlDesign, 2>{
                                                          AltitudeInput(kTabs, AltitudeTov, 360, 8),
                                                          AltitudeInput(kTabs, ExponentMTov, 780, 4),
                                                      });

}  // namespace

std::span<const ControlDesign> TovTabs::Design() { return kControls; }

std::span<const ControlDesign> TovTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace required
