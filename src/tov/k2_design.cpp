// The K2 page (page 1 of tabCalculation1) as it stands when the main window
// is loaded, and its value-store boxes 1 to 17 inside Frame5, Frame3 and on
// the page itself.

#include "frame/design_kit.hpp"
#include "tov/factor_layout.hpp"
#include "tov/k2_page.hpp"
#include "tov/slots.hpp"

namespace tov {

namespace {

using namespace layout;

// Where the page's controls stand: the page and its frames.
constexpr Place kPage = OnFactorPage(1), kFormulaChoice = Inside("Frame4"), kEntry = Inside("Frame5"),
                kLineData = Inside("Frame3");

constexpr UrpLineLook kEntryLook{.caption = {0, 0, 1935, 255}, .subscript = {0, 0, 255, 195},
                                         .unit = {0, 0, 375, 255}, .flags = kHiddenOneLine};
constexpr UrpLineLook kResultLook{.caption = {0, 0, 1995, 255}, .subscript = {0, 0, 255, 195},
                                          .unit = {0, 0, 375, 255}, .flags = kHiddenOneLine};

constexpr const char* kTypicalValues =
    "Typical values"
    "                                                                       "
    "For systems  with  high  short-circuit  power 1<K2<1,1"
    "          "
    "For systems  with  low  short-circuit  power  1<K2<1,2";

// A row of the line data: its caption Label33(index), and the subscript laid
// into the caption's blank run as Label33(index + 1).
constexpr Row DataCaption(int index, int top, const char* caption) {
  return Label(kLineData, "Label33", index, {270, top, 2100, 255}, caption).nowrap();
}
constexpr Row DataSubscript(int index, int left, int top, int width, const char* caption) {
  return Subscript(kLineData, "Label33", index, {left, top, width, 195}, caption);
}
// A typed box of the line data.
constexpr Row DataBox(int slot, int top) { return Box(kLineData, slot, {2430, top, 900, 285}).length(8); }

constexpr auto kDesign = Join(
    WaysToFactor(kPage, "Frame1", 720, 0),
    EntryChoice(kPage, "Frame2", 1440, 3),
    std::to_array<ControlDesign>({
        Frame(kPage, "Frame4", kNoIndex, {4710, 1440, 6195, 675}, "").hidden(),
        Option(kFormulaChoice, 5, {330, 240, 2025, 255}, "Analytical formula"),
        Option(kFormulaChoice, 6, {2610, 240, 1905, 255}, "Simplified formula"),
        // The note K2RE = K2SE beside "Simplified formula", shown on hover.
        Label(kFormulaChoice, "Label9", 1, {4770, 240, 135, 255}, "K", kHiddenOneLine).fore(platform::kBlue),
        Subscript(kFormulaChoice, "Label21", kNoIndex, {4890, 330, 390, 195}, "2RE", kHiddenOneLine)
            .fore(platform::kBlue),
        Label(kFormulaChoice, "Label67", kNoIndex, {5310, 240, 300, 255}, "=  K", kHiddenOneLine).fore(platform::kBlue),
        Subscript(kFormulaChoice, "Label68", kNoIndex, {5610, 330, 390, 195}, "2SE", kHiddenOneLine)
            .fore(platform::kBlue),

        // Entry frame: the typed K2, or the two typed Urp values.
        Frame(kPage, "Frame5", kNoIndex, {180, 2190, 4425, 1785}, "").hidden(),
        Label(kEntry, "Label19", kNoIndex, {90, 360, 1335, 255}, "Enter K2 value", kHiddenOneLine),
        Label(kEntry, "Label18", kNoIndex, {90, 690, 4215, 915}, kTypicalValues).hidden().fore(platform::kRed),
    }),
    UrpEntry(kEntry, {"Label17", "Label15", 3}, {"Label16", "Label11", 2}, kEntryLook),
    std::to_array<ControlDesign>({
        Button(kEntry, "Command1", kNoIndex, {2490, 330, 900, 285}, "OK").hidden(),

        // Line-data frame: ten caption rows, subscripts inside the captions' blank runs.
        Frame(kPage, "Frame3", kNoIndex, {4710, 2190, 6165, 4875}, "").hidden(),
        DataCaption(0, 270, "Enter f value (Hz)"),
        DataCaption(1, 690, "Enter l (km)"),
        DataCaption(2, 1140, "Enter C   value (F/km)"),
        DataSubscript(3, 855, 1230, 150, "1"),
        DataCaption(4, 1560, "Enter U   value (kV)"),
        DataSubscript(5, 855, 1650, 150, "2"),
        DataCaption(6, 1980, "Enter Q      value (kVAr)"),
        DataSubscript(7, 885, 2070, 300, "OL"),
        DataCaption(8, 2400, "Enter S       value (MVA)"),
        DataSubscript(9, 895, 2490, 300, "SC"),
        DataCaption(10, 2820, "Enter Q      value (kVAr)"),
        DataSubscript(11, 885, 2910, 300, "SE"),
        DataCaption(12, 3240, "Enter Q      value (kVAr)"),
        DataSubscript(13, 877, 3330, 300, "RE"),
        DataCaption(14, 3660, "Enter S       value (MVA)"),
        DataSubscript(15, 895, 3750, 300, "OL"),
        DataCaption(16, 4080, "Enter L   value (H/km)"),
        DataSubscript(17, 825, 4170, 150, "1"),
        Button(kLineData, "Command8", kNoIndex, {2430, 4470, 900, 285}, "OK"),
        Label(kLineData, "Label23", 0, {3360, 300, 2790, 255}, "").hidden(),

        // The line diagram and the rule above the results.
        Picture(kPage, "Image2", kNoIndex, {120, 5130, 4455, 1905}, "k2_line"),
        Line(kPage, "Line1", 1, {150, 7320, 14160, 0}),

        // Results: receiving end (or the end chosen) and the sending end beside it.
        Label(kPage, "Label24", kNoIndex, {7200, 7440, 135, 255}, "K", kHiddenOneLine).fore(platform::kRed),
        Subscript(kPage, "Label25", kNoIndex, {7320, 7530, 390, 195}, "2RE", kHiddenOneLine).fore(platform::kRed),
        Label(kPage, "Label45", kNoIndex, {8760, 7440, 135, 255}, "K", kHiddenOneLine).fore(platform::kRed),
        Subscript(kPage, "Label26", kNoIndex, {8880, 7530, 390, 195}, "2SE", kHiddenOneLine).fore(platform::kRed),
    }),
    UrpPeResult(kPage, "Label20", 3, 2, 4950, 7890, kResultLook),
    UrpPpResult(kPage, "Label22", 4, 3, 4950, 8370, kResultLook),
    std::to_array<ControlDesign>({
        Label(kPage, "Label13", 4, {9495, 7875, 375, 255}, "kV", kHiddenOneLine),
        Label(kPage, "Label13", 5, {9495, 8355, 375, 255}, "kV", kHiddenOneLine),
        Button(kPage, "Command6", kNoIndex, {6915, 8790, 1230, 285}, "Choose K2RE").hidden(),
        Button(kPage, "Command7", kNoIndex, {8445, 8790, 1230, 285}, "Choose K2SE").hidden(),
    }));

constexpr auto kBoxes = Join(
    std::to_array<ControlDesign>({
        UrpPeEntryBox(kEntry, UrpK2PeEntered),
        UrpPpEntryBox(kEntry, UrpK2PpEntered),
        FactorEntryBox(kEntry, K2Entered, 1470),
        DataBox(K2Frequency, 270),
        DataBox(K2LineLength, 690),
        DataBox(K2Capacitance, 1110),
        DataBox(K2ReceivingVoltage, 1530),
        Computed(Box(kLineData, K2ChargingPower, {2430, 1950, 900, 285})),
        DataBox(K2ShortCircuitPower, 2370),
        DataBox(K2CompensationSending, 2790),
        DataBox(K2CompensationReceiving, 3210),
        DataBox(K2LinePower, 3630),
        DataBox(K2Inductance, 4050),
    }),
    // The receiving end (or the end chosen), and the sending end beside it.
    UrpResultBoxes(kPage, UrpK2Pe, UrpK2Pp, 7005, 7875, 8355),
    UrpResultBoxes(kPage, UrpK2PeSending, UrpK2PpSending, 8535, 7860, 8340));

}  // namespace

std::span<const ControlDesign> K2Page::Design() { return kDesign; }
std::span<const ControlDesign> K2Page::ValueStoreRows() const { return kBoxes; }

}  // namespace tov
