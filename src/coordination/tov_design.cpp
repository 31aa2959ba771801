// The co-ordination TOV page as it stands when the main window is loaded,
// page 0 of the strip SSTab1(3): the introduction and buttons; the two values
// with their captions, and the line Ucw = Urp·Kc where Kc = 1, hidden until
// the page holds them.

#include <array>

#include "coordination/coordination_layout.hpp"
#include "coordination/slots.hpp"
#include "coordination/tov_page.hpp"

namespace coordination {

namespace {

using namespace layout;
using platform::ControlDesign;

constexpr int kPage = 0;

constexpr const char* kNote =
    "Temporary overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kCaptionLeft = 4680;
constexpr int kCentredLeft = kCaptionLeft + 720;  // the heading and the formula, over the lines
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000, kFormulaTop = 3600;

constexpr auto kDesign = kit::Join(
    std::to_array<ControlDesign>({
        kit::Introduction(OnPage(kPage), 21, kNote),
        kit::EnterButton(OnPage(kPage), 5),
        kit::CalculateButton(OnPage(kPage), 6),
        ValueLabel(kPage, 27, {kCentredLeft, kHeadingTop, 2865, 255}, "Internal and external insulation"),
    }),
    UcwLine(kPage, {28, 23, 24}, kCaptionLeft, kPeTop, 220, "U        value (phase to earth):"),
    UcwLine(kPage, {29, 25, 26}, kCaptionLeft, kPpTop, 255, "U         value (phase to phase):"),
    std::to_array<ControlDesign>({
        ValueLabel(kPage, 30, {kCentredLeft, kFormulaTop, 2700, 255}, "U       = U    K     where  K    = 1"),
        ValueSubscript(kPage, 31, kCentredLeft + 195, kFormulaTop, "cw"),
        ValueSubscript(kPage, 239, kCentredLeft + 720, kFormulaTop, "rp"),
        ValueSubscript(kPage, 240, kCentredLeft + 1071, kFormulaTop, "c"),
        ValueSubscript(kPage, 241, kCentredLeft + 1930, kFormulaTop, "c"),
        kit::BackButton(OnPage(kPage), 20),
        kit::NextButton(OnPage(kPage), 19),
    }));

constexpr auto kBoxes = std::to_array<ControlDesign>({
    UcwBox(kPage, UcwTovPp, kCaptionLeft, kPpTop),
    UcwBox(kPage, UcwTovPe, kCaptionLeft, kPeTop),
    kit::Box(OnPage(kPage), TovUnusedFlag, {240, 600, 900, 285}).hidden().text("0"),
});

}  // namespace

std::span<const ControlDesign> TovPage::Design() { return kDesign; }
std::span<const ControlDesign> TovPage::ValueStoreRows() const { return kBoxes; }

}  // namespace coordination
