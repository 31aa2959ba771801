// The slow-front page (page 1 of SSTab1(6)) as it stands when the main
// window is loaded, and the buttons of its inner strip SSTab1(8).

#include "required/required_layout.hpp"
#include "required/slots.hpp"
#include "required/slow_front_page.hpp"

namespace required {

namespace {

using namespace layout;

constexpr int kPage = 1;

constexpr const char* kIntroduction =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr Summary kSummary{kPage, 4680, 139, 144,
                           {{145, 135, 136, UrwSfPeInt, kUrwPe},
                            {146, 137, 138, UrwSfPpInt, kUrwPp},
                            {147, 140, 141, UrwSfPeExt, kUrwPe},
                            {148, 142, 143, UrwSfPpExt, kUrwPp}},
                           6};

constexpr auto kControls = kit::Join(
    PageControls(kPage, {.introduction = 29, .enter = 13, .calculate = 14, .back = 28, .next = 27}, kIntroduction),
    UrwSummaryLabels(kSummary),
    TabButtons({.strip = 8, .top = 7920, .internalBack = 25, .internalNext = 24, .externalBack = 21,
                .externalNext = 20, .internalNextWaits = false}));

// Besides the flag and the summary, two working boxes that no step uses.
constexpr auto kBoxes = kit::Join(
    std::array<ControlDesign, 3>{FlagBox(kPage, UrwSfAcceptedFlag),
                                 kit::Box(OnPage(kPage), 159, {240, 600, 900, 285}).hidden().locked().length(5),
                                 kit::Box(OnPage(kPage), 160, {1380, 600, 900, 285}).hidden().locked().length(5)},
    SummaryBoxes(kSummary));

}  // namespace

std::span<const ControlDesign> SlowFrontPage::Design() { return kControls; }

std::span<const ControlDesign> SlowFrontPage::ValueStoreRows() const { return kBoxes; }

}  // namespace required
