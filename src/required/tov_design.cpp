// The temporary-overvoltage page (page 0 of SSTab1(6)) as it stands when the
// main window is loaded: the introduction, ENTER and CALCULATE, the hidden
// summary of the four Urw values, the page's way buttons and its flag; and
// the buttons of its inner strip SSTab1(7).

#include "required/required_layout.hpp"
#include "required/slots.hpp"
#include "required/tov_page.hpp"

namespace required {

namespace {

using namespace layout;

constexpr int kPage = 0;

constexpr const char* kIntroduction =
    "Temporary overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr Summary kSummary{kPage, 4680, 126, 121,
                           {{131, 130, 129, UrwTovPeInt, kUrwPe},
                            {132, 128, 127, UrwTovPpInt, kUrwPp},
                            {133, 125, 124, UrwTovPeExt, kUrwPe},
                            {134, 123, 122, UrwTovPpExt, kUrwPp}},
                           6};

constexpr auto kControls = kit::Join(
    PageControls(kPage, {.introduction = 28, .enter = 12, .calculate = 11, .back = 25, .next = 26}, kIntroduction),
    UrwSummaryLabels(kSummary),
    TabButtons({.strip = 7, .top = 7920, .internalBack = 16, .internalNext = 17, .externalBack = 18,
                .externalNext = 19, .internalNextWaits = false}));

constexpr auto kBoxes =
    kit::Join(std::array<ControlDesign, 1>{FlagBox(kPage, UrwTovAcceptedFlag)}, SummaryBoxes(kSummary));

}  // namespace

std::span<const ControlDesign> TovPage::Design() { return kControls; }

std::span<const ControlDesign> TovPage::ValueStoreRows() const { return kBoxes; }

}  // namespace required
