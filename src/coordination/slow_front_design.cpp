// The co-ordination slow-front page as it stands when the main window is
// loaded, page 1 of the strip SSTab1(3): the introduction and buttons; the
// four values, internal insulation on the left and external on the right,
// hidden until the page holds them. The tab strip SSTab1(4) that CALCULATE
// opens lies over the page and belongs to the frame's page tree.

#include <array>

#include "coordination/coordination_layout.hpp"
#include "coordination/slots.hpp"
#include "coordination/slow_front_page.hpp"
#include "frame/value_store.hpp"

namespace coordination {

namespace {

using namespace layout;
using platform::ControlDesign;

constexpr int kPage = 1;

constexpr const char* kNote =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kInternal = 2400, kExternal = 7800;  // left of each column's captions
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000;

constexpr auto kDesign = kit::Join(
    std::to_array<ControlDesign>({
        kit::Introduction(OnPage(kPage), 26, kNote),
        kit::EnterButton(OnPage(kPage), 7),
        kit::CalculateButton(OnPage(kPage), 8),
        ValueLabel(kPage, 36, {kInternal + 600, kHeadingTop, 1800, 255}, "Internal insulation"),
    }),
    UcwLine(kPage, {37, 32, 33}, kInternal, kPeTop, 270, " U        value (phase to earth):"),
    UcwLine(kPage, {38, 34, 35}, kInternal, kPpTop, 240, "U         value (phase to phase):"),
    std::to_array<ControlDesign>({
        ValueLabel(kPage, 43, {kExternal + 600, kHeadingTop, 1800, 255}, "External insulation"),
    }),
    UcwLine(kPage, {44, 39, 40}, kExternal, kPeTop, 216, "U        value (phase to earth):"),
    UcwLine(kPage, {45, 41, 42}, kExternal, kPpTop, 240, "U         value (phase to phase):"),
    std::to_array<ControlDesign>({
        kit::BackButton(OnPage(kPage), 22),
        kit::NextButton(OnPage(kPage), 21),
    }));

constexpr auto kBoxes = std::to_array<ControlDesign>({
    UcwBox(kPage, UcwSfPpInt, kInternal, kPpTop),
    UcwBox(kPage, UcwSfPeInt, kInternal, kPeTop),
    UcwBox(kPage, UcwSfPpExt, kExternal, kPpTop),
    UcwBox(kPage, UcwSfPeExt, kExternal, kPeTop),
    // "1" once the tabs' calculated values were committed.
    kit::Box(OnPage(kPage), SfAcceptedFlag, {12960, 5490, 900, 285}).hidden().text(frame::kFlagDesignText),
    kit::Box(OnPage(kPage), SfUnusedBox, {240, 600, 900, 285}).hidden().length(8).readOnly(),
});

}  // namespace

std::span<const ControlDesign> SlowFrontPage::Design() { return kDesign; }
std::span<const ControlDesign> SlowFrontPage::ValueStoreRows() const { return kBoxes; }

}  // namespace coordination
