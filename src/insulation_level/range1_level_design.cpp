// The page "Standard insulation level" up to 245 kV as it stands when the main
// window is loaded: the frame Frame37(6) carries the two mode options and the
// result frames they show, and the page's own "<< Back" and "Next >>" stand
// below it. All is hidden until the page is opened in Range I.

#include <array>

#include "frame/design_kit.hpp"
#include "insulation_level/level_layout.hpp"
#include "insulation_level/range1_level_page.hpp"
#include "insulation_level/slots.hpp"

namespace insulation_level {

namespace {

using namespace frame::design;

constexpr const char* kSdw = "Short duration power frequency withstand voltage";
constexpr const char* kHeading = "Standard insulation level according to IEC 71-1:2006";

constexpr Place kRange1 = Inside("Frame37", 6), kInternal = Inside("Frame37", 7), kExternal = Inside("Frame37", 8);
constexpr Place kMinimum = Inside("Frame37", 9);

constexpr int kCaptionWidth = 4200, kButtonTop = 9360;

constexpr auto kDesign = std::to_array<ControlDesign>({
    Frame(kStandardLevelTab, "Frame37", 6, {0, 480, 14445, 8700}, "").hidden(),
    Option(kRange1, 86, {360, 240, 7500, kLineHeight}, kSelectUrw),
    Option(kRange1, 85, {360, 600, 7500, kLineHeight}, kSelectWithClearances),
    Frame(kRange1, "Frame37", 7, {240, 1080, 6840, 1860}, "Internal insulation").hidden(),
    Label(kInternal, "Label4", 311, {240, 660, kCaptionWidth, kLineHeight}, kSdw),
    Label(kInternal, "Label4", 313, {5700, 660, kUnitWidth, kLineHeight}, "kV"),
    Label(kInternal, "Label4", 312, {240, 1060, kCaptionWidth, kLineHeight}, kLiwCaption),
    Label(kInternal, "Label4", 314, {5700, 1060, kUnitWidth, kLineHeight}, "kV"),
    SpecialTest(kInternal, 291, 240, 1460),
    Frame(kRange1, "Frame37", 8, {7320, 1080, 6840, 1860}, "External insulation").hidden(),
    Label(kExternal, "Label4", 315, {240, 300, 6000, kLineHeight}, kHeading),
    Label(kExternal, "Label4", 316, {240, 660, kCaptionWidth, kLineHeight}, kSdw),
    Label(kExternal, "Label4", 318, {5700, 660, kUnitWidth, kLineHeight}, "kV"),
    Label(kExternal, "Label4", 317, {240, 1060, kCaptionWidth, kLineHeight}, kLiwCaption),
    Label(kExternal, "Label4", 319, {5700, 1060, kUnitWidth, kLineHeight}, "kV"),
    SpecialTest(kExternal, 292, 240, 1460),
    Frame(kRange1, "Frame37", 9, {240, 3120, 13920, 900},
          "Minimum standard lightning impulse level for internal insulation")
        .hidden(),
    Label(kMinimum, "Label4", 320, {240, 420, 1500, kLineHeight}, "Phase to earth"),
    Label(kMinimum, "Label4", 322, {3000, 420, kUnitWidth, kLineHeight}, "kV"),
    Label(kMinimum, "Label4", 321, {4200, 420, 1500, kLineHeight}, "Phase to phase"),
    Label(kMinimum, "Label4", 323, {6960, 420, kUnitWidth, kLineHeight}, "kV"),
    Button(kStandardLevelTab, "Command21", 34, {360, kButtonTop, kButtonWidth, kButtonHeight}, "<< Back").hidden(),
    Button(kStandardLevelTab, "Command21", 33, {12480, kButtonTop, kButtonWidth, kButtonHeight}, "Next >>")
        .hidden()
        .disabled(),
});

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kInternal, SdwIntSelected, 4500, 660),
    LevelBox(kInternal, LiwIntSelected, 4500, 1060),
    LevelBox(kExternal, LiwExtSelected, 4500, 1060),
    LevelBox(kExternal, SdwExtSelected, 4500, 660),
    LevelBox(kMinimum, LiwIntMinPp, 5760, 420),
    LevelBox(kMinimum, LiwIntMinPe, 1800, 420),
    // The level's Um beside each insulation: never shown.
    LevelBox(kInternal, CorrespondingUmInt, 4500, 1460).hidden(),
    LevelBox(kExternal, CorrespondingUmExt, 4500, 1460).hidden(),
});

}  // namespace

std::span<const ControlDesign> Range1LevelPage::Design() { return kDesign; }
std::span<const ControlDesign> Range1LevelPage::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace insulation_level
