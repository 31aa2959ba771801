// The fast-front page (page 2 of SSTab1(6)) as it stands when the main
// window is loaded, and the buttons of its inner strip SSTab1(9). Each of
// the two values stands on both lines of its block.

#include "required/fast_front_page.hpp"
#include "required/required_layout.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using namespace layout;

constexpr int kPage = 2;

constexpr const char* kIntroduction =
    "Fast front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

// The external boxes hold the seven letters of "Ignored".
constexpr Summary kSummary{kPage, 4680, 154, 149,
                           {{159, 158, 157, UrwFfPeInt, kUrwPe},
                            {160, 156, 155, UrwFfPpInt, kUrwPp},
                            {161, 153, 152, UrwFfPeExt, kUrwPe},
                            {162, 151, 150, UrwFfPpExt, kUrwPp}},
                           7};

constexpr auto kControls = kit::Join(
    PageControls(kPage, {.introduction = 30, .enter = 16, .calculate = 15, .back = 29, .next = 30}, kIntroduction),
    UrwSummaryLabels(kSummary),
    TabButtons({.strip = 9, .top = 8010, .internalBack = 26, .internalNext = 27, .externalBack = 28,
                .externalNext = 29, .internalNextWaits = false}));

// Besides the flag and the summary, a working box that no step uses.
constexpr auto kBoxes =
    kit::Join(std::array<ControlDesign, 2>{FlagBox(kPage, UrwFfAcceptedFlag),
                                           kit::Box(OnPage(kPage), 180, {240, 600, 900, 285}).hidden().text("0")},
              SummaryBoxes(kSummary));

}  // namespace

std::span<const ControlDesign> FastFrontPage::Design() { return kControls; }

std::span<const ControlDesign> FastFrontPage::ValueStoreRows() const { return kBoxes; }

}  // namespace required
