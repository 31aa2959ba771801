// The page "Standard insulation level" as it stands when the main window is
// loaded. Above 245 kV the strip SSTab1(12) carries the internal level on its
// first page and the external choice with its level on the second; up to
// 245 kV the frame Frame37(6) carries the two mode options and the result
// frames. Both layouts are hidden until the page is opened for a range.

#include <array>

#include "frame/design_kit.hpp"
#include "insulation_level/design_rows.hpp"
#include "insulation_level/level_designs.hpp"
#include "insulation_level/slots.hpp"

namespace insulation_level {

namespace {

using namespace design;
using platform::Disabled;
using platform::Hidden;

constexpr const char* kSiwPe = "Switching impulse withstand voltage (p-e)";
constexpr const char* kSiwPp = "Switching impulse withstand voltage (p-p)";
constexpr const char* kLiw = "Lightning impulse withstand voltage";
constexpr const char* kSdw = "Short duration power frequency withstand voltage";
constexpr const char* kSelectUrw = "Selection of insulation level according to Urw";
constexpr const char* kSelectWithClearances =
    "Selection of insulation level according to Urw and minimum air clearances";
constexpr const char* kHeading = "Standard insulation level according to IEC 71-1:2006";

constexpr Place kPage3{"tabGeneral", platform::kNoIndex, 3};
constexpr Place kInternalPage{"SSTab1", 12, 0};
constexpr Place kExternalPage{"SSTab1", 12, 1};
constexpr Place kInternal2 = InFrame(11), kExternal2 = InFrame(12), kExternalModes = InFrame(14);
constexpr Place kRange1 = InFrame(6), kInternal1 = InFrame(7), kExternal1 = InFrame(8), kMinimum1 = InFrame(9);

// One line of a level: caption, box, "kV".
constexpr int kCaptionWidth = 3600, kWideCaption = 4200;

constexpr int kButtonTop = 9240, kBackLeft = 5670, kNextLeft = 7380;

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Above 245 kV, inner page "Internal insulation": the level selected at once.
    Frame(kInternalPage, 11, 2400, 1200, 9600, 2100, ""),
    Label(kInternal2, 296, 360, 360, kCaptionWidth, kSiwPe),
    Unit(kInternal2, 299, 5280, 360),
    Label(kInternal2, 297, 360, 780, kCaptionWidth, kSiwPp),
    Unit(kInternal2, 300, 5280, 780),
    Label(kInternal2, 298, 360, 1200, kCaptionWidth, kLiw),
    Unit(kInternal2, 301, 5280, 1200),
    SpecialTest(kInternal2, 295, 360, 1620),
    Button("Command29", 38, kInternalPage, kBackLeft, kButtonTop, "<<Back", Hidden),
    Button("Command29", 39, kInternalPage, kNextLeft, kButtonTop, "Next >>", Hidden),

    // Inner page "External insulation": the mode, then the level it selects.
    Frame(kExternalPage, 14, 240, 480, 13920, 960, ""),
    Option(kExternalModes, 89, 360, 240, 7500, kSelectUrw),
    Option(kExternalModes, 90, 360, 600, 7500, kSelectWithClearances),
    Frame(kExternalPage, 12, 240, 1560, 13920, 1500, "", Hidden),
    Label(kExternal2, 302, 240, 300, kCaptionWidth, kSiwPe),
    Unit(kExternal2, 305, 5160, 300),
    Label(kExternal2, 303, 6960, 300, kCaptionWidth, kSiwPp),
    Unit(kExternal2, 306, 11880, 300),
    Label(kExternal2, 304, 240, 720, kCaptionWidth, kLiw),
    Unit(kExternal2, 310, 5160, 720),
    SpecialTest(kExternal2, 324, 240, 1140),
    Button("Command29", 41, kExternalPage, kBackLeft, kButtonTop, "<<Back"),
    Button("Command29", 40, kExternalPage, kNextLeft, kButtonTop, "Next >>", Disabled),

    // Up to 245 kV: the modes and the result frames they show.
    Frame(kPage3, 6, 0, 480, 14445, 8700, "", Hidden),
    Option(kRange1, 86, 360, 240, 7500, kSelectUrw),
    Option(kRange1, 85, 360, 600, 7500, kSelectWithClearances),
    Frame(kRange1, 7, 240, 1080, 6840, 1860, "Internal insulation", Hidden),
    Label(kInternal1, 311, 240, 660, kWideCaption, kSdw),
    Unit(kInternal1, 313, 5700, 660),
    Label(kInternal1, 312, 240, 1060, kWideCaption, kLiw),
    Unit(kInternal1, 314, 5700, 1060),
    SpecialTest(kInternal1, 291, 240, 1460),
    Frame(kRange1, 8, 7320, 1080, 6840, 1860, "External insulation", Hidden),
    Label(kExternal1, 315, 240, 300, 6000, kHeading),
    Label(kExternal1, 316, 240, 660, kWideCaption, kSdw),
    Unit(kExternal1, 318, 5700, 660),
    Label(kExternal1, 317, 240, 1060, kWideCaption, kLiw),
    Unit(kExternal1, 319, 5700, 1060),
    SpecialTest(kExternal1, 292, 240, 1460),
    Frame(kRange1, 9, 240, 3120, 13920, 900, "Minimum standard lightning impulse level for internal insulation", Hidden),
    Label(kMinimum1, 320, 240, 420, 1500, "Phase to earth"),
    Unit(kMinimum1, 322, 3000, 420),
    Label(kMinimum1, 321, 4200, 420, 1500, "Phase to phase"),
    Unit(kMinimum1, 323, 6960, 420),
    Button("Command21", 34, kPage3, 360, 9360, "<< Back", Hidden),
    Button("Command21", 33, kPage3, 12480, 9360, "Next >>", Hidden | Disabled),
});

constexpr ControlDesign WorkingBox(int slot, int left) {
  return frame::design::Box({kPage3.container, kPage3.containerIndex, kPage3.page}, slot, {left, 600, 900, 285}).hidden().locked().length(8).back(platform::kLightYellow);
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kInternal1, SdwIntSelected, 4500, 660),
    LevelBox(kInternal1, LiwIntSelected, 4500, 1060),
    LevelBox(kExternal1, LiwExtSelected, 4500, 1060),
    LevelBox(kExternal1, SdwExtSelected, 4500, 660),
    LevelBox(kMinimum1, LiwIntMinPp, 5760, 420),
    LevelBox(kMinimum1, LiwIntMinPe, 1800, 420),
    // The level's Um beside each insulation: never shown.
    LevelBox(kInternal1, CorrespondingUmInt, 4500, 1460, Hidden),
    LevelBox(kExternal1, CorrespondingUmExt, 4500, 1460, Hidden),
    LevelBox(kInternal2, LiwIntRange2, 4080, 1200),
    LevelBox(kInternal2, SiwPeIntRange2, 4080, 360),
    LevelBox(kInternal2, SiwPpIntRange2, 4080, 780),
    LevelBox(kExternal2, SiwPpExtRange2, 10680, 300),
    LevelBox(kExternal2, SiwPeExtRange2, 3960, 300),
    LevelBox(kExternal2, LiwExtRange2, 3960, 720),
    // Working boxes of the page that no step uses.
    WorkingBox(228, 240), WorkingBox(229, 1380), WorkingBox(234, 2520), WorkingBox(235, 3660),
    WorkingBox(242, 4800), WorkingBox(254, 5940), WorkingBox(255, 7080), WorkingBox(256, 8220),
    WorkingBox(257, 9360),
});

}  // namespace

std::span<const ControlDesign> StandardLevelDesign() { return kDesign; }
std::span<const ControlDesign> StandardLevelValueStoreRows() { return kValueStoreRows; }

}  // namespace insulation_level
