// The page "Combination of TOV" (page 4 of tabCalculation1) as it stands when
// the main window is loaded, and its value-store boxes 34 to 40.

#include "frame/design_kit.hpp"
#include "tov/combination_page.hpp"
#include "tov/factor_layout.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using namespace layout;

// Where the page's controls stand: the page and its frames.
constexpr Place kPage = OnFactorPage(4), kWays = Inside("Frame18"), kEntry = Inside("Frame20");

constexpr auto kDesign = Join(
    std::to_array<ControlDesign>({
        Label(kPage, "Label30", 1, {4440, 660, 5505, 255}, "Combination of load rejection (K1) and earth fault (K3)")
            .bold()
            .fore(platform::kBlue),
    }),
    WaysToFactor(kPage, "Frame18", 960, 23),
    std::to_array<ControlDesign>({
        Label(kWays, "Label30", 0, {7680, 240, 180, 255}, "R", kHiddenOneLine).fore(platform::kBlue),
        Subscript(kWays, "Label31", kNoIndex, {7860, 330, 120, 195}, "0", kHiddenOneLine).fore(platform::kBlue),
        Label(kWays, "Label29", kNoIndex, {7980, 240, 540, 255}, " = 0", kHiddenOneLine).fore(platform::kBlue),
    }),
    EntryChoice(kPage, "Frame19", 1680, 26),
    ReactanceFrame(kPage, 1680, {"Frame17", 36, 34, 37, 35, "Command17", "Label27"}),
    std::to_array<ControlDesign>({
        // Entry frame: the factor line, or the two Urp lines.
        Frame(kPage, "Frame20", kNoIndex, {180, 2430, 4425, 1785}, "").hidden(),
        Label(kEntry, "Label38", kNoIndex, {90, 360, 1455, 285}, "Enter K13 value").hidden(),
        Label(kEntry, "Label36", kNoIndex, {90, 690, 4215, 705}, "Typical   values   0,85<K13<1,7")
            .hidden()
            .fore(platform::kRed),
    }),
    UrpEntry(kEntry, {"Label37", "Label34", 8}, {"Label35", "Label32", 7}, kUrpEntryLook),
    std::to_array<ControlDesign>({Button(kEntry, "Command20", kNoIndex, {2490, 330, 900, 285}, "OK").hidden()}),
    UrpPeResult(kPage, "Label39", 8, 9, 4980, 8070, kUrpResultLook),
    UrpPpResult(kPage, "Label40", 9, 10, 4980, 8550, kUrpResultLook));

constexpr auto kBoxes = Join(
    ReactanceBoxes("Frame17", CombX0, CombX1),
    std::to_array<ControlDesign>({
        UrpPeEntryBox(kEntry, UrpCombPeEntered),
        UrpPpEntryBox(kEntry, UrpCombPpEntered),
        FactorEntryBox(kEntry, K13Entered, 1530),
    }),
    UrpResultBoxes(kPage, UrpCombPe, UrpCombPp, 7035, 8055, 8535));

}  // namespace

std::span<const ControlDesign> CombinationPage::Design() { return kDesign; }
std::span<const ControlDesign> CombinationPage::ValueStoreRows() const { return kBoxes; }

}  // namespace tov
