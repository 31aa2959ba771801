// The page "Resonance effects K4" (page 3 of tabCalculation1) as it stands
// when the main window is loaded, and its value-store boxes 23 to 33.

#include "frame/design_kit.hpp"
#include "tov/factor_layout.hpp"
#include "tov/k4_page.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using namespace layout;

// Where the page's controls stand: the page and its frames.
constexpr Place kPage = OnFactorPage(3), kEntry = Inside("Frame11"), kLevelChoice = Inside("Frame16"),
                kData = Inside("Frame12");

constexpr std::uint32_t kDarkRed = 0xC00000u;

constexpr const char* kTypicalValues =
    "Typical values                                                                   "
    "For coupled circuits  3<K4<5 without SA (Fig.1)                     "
    "For  saturation  phenomena  2<K4<3 (Fig.2)";

// A caption of the resonance data, Label33(index).
constexpr Row DataCaption(int index, Rect r, const char* caption) { return Label(kData, "Label33", index, r, caption); }
// A subscript laid into a caption's blank run, Label33(index).
constexpr Row DataSubscript(int index, Rect r, const char* caption) {
  return Subscript(kData, "Label33", index, r, caption);
}

constexpr auto kDesign = Join(
    WaysToFactor(kPage, "Frame15", 720, 14),
    EntryChoice(kPage, "Frame14", 1440, 17),
    CaseChoice(kPage, "Frame13", 19, {"Step down transformers", 330, 2445}, {"Step up transformers", 3330, 2175}),
    // Entry frame: the factor line, or the two Urp lines.
    FactorEntryFrame(kPage, "Frame11", 1785, "Label59", "Enter K4 value"),
    std::to_array<ControlDesign>({
        Label(kEntry, "Label61", kNoIndex, {90, 690, 4215, 705}, kTypicalValues).hidden().fore(platform::kRed),
    }),
    UrpEntry(kEntry, {"Label58", "Label47", 5}, {"Label53", "Label48", 6}, kUrpEntryLook),
    std::to_array<ControlDesign>({
        Button(kEntry, "Command15", kNoIndex, {2490, 330, 900, 285}, "OK").hidden(),

        // Overvoltage level, with the notes shown on hover.
        Frame(kPage, "Frame16", kNoIndex, {4710, 2190, 6195, 855}, "").hidden(),
        Option(kLevelChoice, 21, {330, 240, 2025, 255}, "at 1,2 pu"),
        Option(kLevelChoice, 22, {3330, 240, 1905, 255}, "at 1,5 pu"),
        Label(kLevelChoice, "Label76", kNoIndex, {360, 510, 1635, 225}, "Normal case").hidden().fore(platform::kBlue),
        Label(kLevelChoice, "Label69", kNoIndex, {2580, 510, 3555, 315}, "Transformers with large tap-changer ranges")
            .hidden()
            .nowrap()
            .fore(platform::kBlue),

        // Resonance data, the two ratios and the factor decision.
        Frame(kPage, "Frame12", kNoIndex, {4710, 3060, 6165, 3165}, "").hidden(),
        DataCaption(22, {270, 270, 2055, 225}, "Enter S      value (MVA)"),
        DataSubscript(23, {895, 360, 195, 195}, "Tr"),
        DataCaption(24, {270, 690, 2055, 225}, "Enter S       value (GVA)"),
        DataSubscript(25, {895, 780, 195, 195}, "SC"),
        DataCaption(26, {270, 1140, 2055, 225}, "Enter Q   value (MVAr)"),
        DataSubscript(27, {870, 1260, 135, 195}, "L"),
        DataCaption(28, {1440, 1560, 915, 225}, "S    /S     ="),
        DataSubscript(29, {1590, 1650, 195, 195}, "Tr"),
        DataSubscript(30, {1920, 1650, 195, 195}, "SC"),
        DataCaption(31, {1440, 1980, 915, 225}, "Q   /S     ="),
        DataSubscript(32, {1605, 2070, 135, 195}, "L"),
        DataSubscript(33, {1885, 2070, 195, 195}, "SC"),
        Label(kData, "Label81", kNoIndex, {270, 2400, 2055, 255}, "Factor ignored").hidden().fore(kDarkRed),
        Button(kData, "Command16", kNoIndex, {2430, 2790, 900, 285}, "OK").hidden(),
        Label(kData, "Label63", kNoIndex, {3360, 300, 2655, 255}, "Label63").hidden().fore(platform::kBlue),

        // Figures 1 and 2 and the rule above the results.
        Picture(kPage, "Image5", kNoIndex, {120, 4080, 4455, 1455}, "k4_resonance_fig1"),
        Picture(kPage, "Image4", kNoIndex, {120, 5670, 4455, 1545}, "k4_resonance_fig2"),
        Line(kPage, "Line1", 3, {150, 7380, 14160, 0}),
    }),
    UrpPeResult(kPage, "Label90", 7, 8, 4950, 7890, kUrpResultLook),
    UrpPpResult(kPage, "Label91", 5, 6, 4950, 8370, kUrpResultLook));

// A typed box of the resonance data.
constexpr Row DataBox(int slot, int top) { return Box(kData, slot, {2430, top, 900, 285}).length(8); }

constexpr auto kBoxes = Join(
    std::to_array<ControlDesign>({
        FactorEntryBox(kEntry, K4Entered, 1470),
        UrpPeEntryBox(kEntry, UrpK4PeEntered),
        UrpPpEntryBox(kEntry, UrpK4PpEntered),
        DataBox(K4TransformerPower, 270),
        DataBox(K4ShortCircuitPower, 690),
        DataBox(K4CapacitiveLoad, 1110),
        Computed(Box(kData, K4PowerRatio, {2430, 1530, 900, 285})),
        Computed(Box(kData, K4LoadRatio, {2430, 1950, 900, 285})),
        Box(kData, K4Factor, {2430, 2370, 900, 285}).hidden().length(4),
    }),
    UrpResultBoxes(kPage, UrpK4Pe, UrpK4Pp, 7005, 7875, 8355));

}  // namespace

std::span<const ControlDesign> K4Page::Design() { return kDesign; }
std::span<const ControlDesign> K4Page::ValueStoreRows() const { return kBoxes; }

}  // namespace tov
