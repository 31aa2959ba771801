// The page "Standard insulation level" above 245 kV as it stands when the main
// window is loaded: the strip SSTab1(12) carries the internal level on its
// first page and the external choice with its level on the second. The strip
// is hidden until the page is opened in Range II.

#include <array>

#include "frame/design_kit.hpp"
#include "insulation_level/level_layout.hpp"
#include "insulation_level/range2_level_page.hpp"
#include "insulation_level/slots.hpp"

namespace insulation_level {

namespace {

using namespace frame::design;

constexpr const char* kSiwPe = "Switching impulse withstand voltage (p-e)";
constexpr const char* kSiwPp = "Switching impulse withstand voltage (p-p)";

constexpr Place kInternalPage = TabPage("SSTab1", 12, 0), kExternalPage = TabPage("SSTab1", 12, 1);
constexpr Place kInternal = Inside("Frame37", 11), kExternal = Inside("Frame37", 12);
constexpr Place kModes = Inside("Frame37", 14);

constexpr int kCaptionWidth = 3600;
constexpr int kButtonTop = 9240, kBackLeft = 5670, kNextLeft = 7380;

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Inner page "Internal insulation": the level selected at once.
    Frame(kInternalPage, "Frame37", 11, {2400, 1200, 9600, 2100}, ""),
    Label(kInternal, "Label4", 296, {360, 360, kCaptionWidth, kLineHeight}, kSiwPe),
    Label(kInternal, "Label4", 299, {5280, 360, kUnitWidth, kLineHeight}, "kV"),
    Label(kInternal, "Label4", 297, {360, 780, kCaptionWidth, kLineHeight}, kSiwPp),
    Label(kInternal, "Label4", 300, {5280, 780, kUnitWidth, kLineHeight}, "kV"),
    Label(kInternal, "Label4", 298, {360, 1200, kCaptionWidth, kLineHeight}, kLiwCaption),
    Label(kInternal, "Label4", 301, {5280, 1200, kUnitWidth, kLineHeight}, "kV"),
    SpecialTest(kInternal, 295, 360, 1620),
    Button(kInternalPage, "Command29", 38, {kBackLeft, kButtonTop, kButtonWidth, kButtonHeight}, "<<Back").hidden(),
    Button(kInternalPage, "Command29", 39, {kNextLeft, kButtonTop, kButtonWidth, kButtonHeight}, "Next >>").hidden(),

    // Inner page "External insulation": the mode, then the level it selects.
    Frame(kExternalPage, "Frame37", 14, {240, 480, 13920, 960}, ""),
    Option(kModes, 89, {360, 240, 7500, kLineHeight}, kSelectUrw),
    Option(kModes, 90, {360, 600, 7500, kLineHeight}, kSelectWithClearances),
    Frame(kExternalPage, "Frame37", 12, {240, 1560, 13920, 1500}, "").hidden(),
    Label(kExternal, "Label4", 302, {240, 300, kCaptionWidth, kLineHeight}, kSiwPe),
    Label(kExternal, "Label4", 305, {5160, 300, kUnitWidth, kLineHeight}, "kV"),
    Label(kExternal, "Label4", 303, {6960, 300, kCaptionWidth, kLineHeight}, kSiwPp),
    Label(kExternal, "Label4", 306, {11880, 300, kUnitWidth, kLineHeight}, "kV"),
    Label(kExternal, "Label4", 304, {240, 720, kCaptionWidth, kLineHeight}, kLiwCaption),
    Label(kExternal, "Label4", 310, {5160, 720, kUnitWidth, kLineHeight}, "kV"),
    SpecialTest(kExternal, 324, 240, 1140),
    Button(kExternalPage, "Command29", 41, {kBackLeft, kButtonTop, kButtonWidth, kButtonHeight}, "<<Back"),
    Button(kExternalPage, "Command29", 40, {kNextLeft, kButtonTop, kButtonWidth, kButtonHeight}, "Next >>").disabled(),
});

// Working boxes of the page that no step uses.
constexpr Row WorkingBox(int slot, int left) {
  return Box(kStandardLevelTab, slot, {left, 600, 900, 285}).hidden().length(8).readOnly();
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kInternal, LiwIntRange2, 4080, 1200),
    LevelBox(kInternal, SiwPeIntRange2, 4080, 360),
    LevelBox(kInternal, SiwPpIntRange2, 4080, 780),
    LevelBox(kExternal, SiwPpExtRange2, 10680, 300),
    LevelBox(kExternal, SiwPeExtRange2, 3960, 300),
    LevelBox(kExternal, LiwExtRange2, 3960, 720),
    WorkingBox(228, 240), WorkingBox(229, 1380), WorkingBox(234, 2520), WorkingBox(235, 3660),
    WorkingBox(242, 4800), WorkingBox(254, 5940), WorkingBox(255, 7080), WorkingBox(256, 8220),
    WorkingBox(257, 9360),
});

}  // namespace

std::span<const ControlDesign> Range2LevelPage::Design() { return kDesign; }
std::span<const ControlDesign> Range2LevelPage::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace insulation_level
