// The page "Earth fault K3" (page 2 of tabCalculation1) as it stands when the
// main window is loaded, and its value-store boxes 18 to 22.

#include "frame/design_kit.hpp"
#include "tov/factor_layout.hpp"
#include "tov/k3_page.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using namespace layout;

// Where the page's controls stand: the page and its frames.
constexpr Place kPage = OnFactorPage(2), kWays = Inside("Frame8"), kEntry = Inside("Frame6");

constexpr auto kDesign = Join(
    WaysToFactor(kPage, "Frame8", 720, 7),
    std::to_array<ControlDesign>({
        Label(kWays, "Label55", kNoIndex, {7680, 240, 150, 255}, "R", kHiddenOneLine).fore(platform::kBlue),
        Subscript(kWays, "Label54", kNoIndex, {7830, 330, 150, 195}, "0", kHiddenOneLine).fore(platform::kBlue),
        Label(kWays, "Label56", kNoIndex, {7980, 240, 1035, 255}, "=  R    = 0", kHiddenOneLine).fore(platform::kBlue),
        Subscript(kWays, "Label57", kNoIndex, {8345, 330, 150, 195}, "1", kHiddenOneLine).fore(platform::kBlue),
    }),
    EntryChoice(kPage, "Frame7", 1440, 10),
    CaseChoice(kPage, "Frame9", 12, {"Single phase earth fault", 330, 2445}, {"Two phase earth fault", 3570, 2235}),
    // Entry frame: the factor line and the Urp line share their place.
    FactorEntryFrame(kPage, "Frame6", 1065, "Label50", "Enter K3 value"),
    UrpPeEntry(kEntry, {"Label49", "Label46", 4}, kUrpEntryLook),
    std::to_array<ControlDesign>({
        Button(kEntry, "Command11", kNoIndex, {2430, 330, 900, 285}, "OK").hidden(),
        Label(kEntry, "Label51", kNoIndex, {90, 690, 4215, 285}, "Typical   values   1<K3<1,7")
            .hidden()
            .fore(platform::kRed),
    }),
    ReactanceFrame(kPage, 2190, {"Frame10", 18, 19, 20, 21, "Command12", "Label10"}),
    std::to_array<ControlDesign>({
        // The one-line diagram and the rule above the result line.
        Picture(kPage, "Image3", kNoIndex, {120, 5130, 4455, 1905}, "k3_earth_fault"),
        Line(kPage, "Line1", 2, {180, 7260, 14160, 0}),
    }),
    UrpPeResult(kPage, "Label52", 6, 7, 5550, 7920, kUrpResultLook));

constexpr auto kBoxes = Join(
    std::to_array<ControlDesign>({
        FactorEntryBox(kEntry, K3Entered, 1470),
        UrpPeEntryBox(kEntry, UrpK3PeEntered),
    }),
    ReactanceBoxes("Frame10", K3X0, K3X1),
    std::to_array<ControlDesign>({Result(Box(kPage, UrpK3Pe, {7605, 7905, 900, 285}))}));

}  // namespace

std::span<const ControlDesign> K3Page::Design() { return kDesign; }
std::span<const ControlDesign> K3Page::ValueStoreRows() const { return kBoxes; }

}  // namespace tov
