// The co-ordination fast-front page as it stands when the main window is
// loaded, page 2 of the strip SSTab1(3): the introduction and buttons; the
// internal values above the external ones, hidden until the page holds them.
// The tab strip SSTab1(5) that CALCULATE opens lies over the page and belongs
// to the frame's page tree.

#include <array>

#include "coordination/fast_front_page.hpp"
#include "coordination/coordination_layout.hpp"
#include "coordination/slots.hpp"

namespace coordination {

namespace {

using namespace layout;
using platform::ControlDesign;

constexpr int kPage = 2;

constexpr const char* kNote =
    "Fast front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kCaptionLeft = 4680;
constexpr int kHeadingLeft = kCaptionLeft + 720;
constexpr int kIntHeadingTop = 2100, kIntPeTop = 2520, kIntPpTop = 3000;
constexpr int kExtHeadingTop = 3540, kExtPeTop = 3960, kExtPpTop = 4440;

constexpr auto kDesign = kit::Join(
    std::to_array<ControlDesign>({
        kit::Introduction(OnPage(kPage), 27, kNote),
        kit::EnterButton(OnPage(kPage), 10),
        kit::CalculateButton(OnPage(kPage), 9),
        ValueLabel(kPage, 112, {kHeadingLeft, kIntHeadingTop, 1800, 255}, "Internal insulation"),
    }),
    UcwLine(kPage, {117, 116, 115}, kCaptionLeft, kIntPeTop, 250, "U         value (phase to earth)"),
    UcwLine(kPage, {118, 114, 113}, kCaptionLeft, kIntPpTop, 250, "U         value (phase to phase):"),
    std::to_array<ControlDesign>({
        ValueLabel(kPage, 107, {kHeadingLeft, kExtHeadingTop, 1800, 255}, "External insulation"),
    }),
    UcwLine(kPage, {119, 111, 110}, kCaptionLeft, kExtPeTop, 220, "U        value (phase to earth):"),
    UcwLine(kPage, {120, 109, 108}, kCaptionLeft, kExtPpTop, 250, "U         value (phase to phase):"),
    std::to_array<ControlDesign>({
        kit::BackButton(OnPage(kPage), 23),
        kit::NextButton(OnPage(kPage), 24),
    }));

constexpr auto kBoxes = std::to_array<ControlDesign>({
    // The external boxes hold the seven letters of "Ignored".
    UcwBox(kPage, UcwFfPeExt, kCaptionLeft, kExtPeTop).length(7),
    UcwBox(kPage, UcwFfPpExt, kCaptionLeft, kExtPpTop).length(7),
    UcwBox(kPage, UcwFfPeInt, kCaptionLeft, kIntPeTop),
    UcwBox(kPage, UcwFfPpInt, kCaptionLeft, kIntPpTop),
    kit::Box(OnPage(kPage), FfIntKcdInput, {240, 600, 900, 285}).hidden().length(8),
    kit::Box(OnPage(kPage), FfIntKcdUcw, {1380, 600, 900, 285}).hidden().locked().length(6),
    kit::Box(OnPage(kPage), FfIntKcd, {2520, 600, 900, 285}).hidden().locked().length(8),
    kit::Box(OnPage(kPage), FfIntKcdRatio, {3660, 600, 900, 285}).hidden().locked().length(8),
});

}  // namespace

std::span<const ControlDesign> FastFrontPage::Design() { return kDesign; }
std::span<const ControlDesign> FastFrontPage::ValueStoreRows() const { return kBoxes; }

}  // namespace coordination
