// The co-ordination TOV, slow-front and fast-front pages as they stand when
// the main window is loaded, on pages 0 to 2 of the strip SSTab1(3): each
// page's introduction and buttons; the values with their captions are hidden
// until the page holds one. The tab strips SSTab1(4) and SSTab1(5) lie over
// the slow-front and fast-front pages and belong to the frame's page tree.

#include <array>

#include "coordination/cw_fast_front_page.hpp"
#include "coordination/cw_slow_front_page.hpp"
#include "coordination/cw_tov_page.hpp"
#include "coordination/slots.hpp"
#include "frame/design_kit.hpp"
#include "frame/value_store.hpp"

namespace coordination {

namespace {

namespace kit = frame::design;

using platform::ControlDesign;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 3;

// A label of a page's result display, hidden until the page holds a value.
constexpr platform::ControlDesign ResultLabel(int page, int index, int left, int top, int width, const char* caption) {
  return {.kind = platform::Kind::Label, .name = "Label4", .index = index, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = left, .top = top, .width = width, .height = 255,
          .caption = caption, .flags = platform::Hidden};
}

// A subscript laid into the blank run of the caption it belongs to.
constexpr platform::ControlDesign Subscript(int page, int index, int left, int top, const char* caption) {
  return {.kind = platform::Kind::Label, .name = "Label4", .index = index, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = left, .top = top + 45, .width = 195, .height = 225,
          .caption = caption, .flags = platform::Hidden, .fontSize = platform::kSubscriptFontSize};
}

// A Ucw box of a page's result display: locked, hidden with its row, six characters.
constexpr platform::ControlDesign UcwBox(int page, int slot, int left, int top) {
  return {.kind = platform::Kind::TextBox, .name = "Text1", .index = slot, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = left, .top = top - 30, .width = 900, .height = 285,
          .flags = platform::Hidden | platform::Locked, .maxLength = 6, .backColor = platform::kLightYellow};
}

// The blue introduction at the top of a page.
constexpr platform::ControlDesign Introduction(int page, int index, const char* caption) {
  return {.kind = platform::Kind::Label, .name = "Label30", .index = index, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = 120, .top = 420, .width = 13965, .height = 285,
          .caption = caption, .foreColor = platform::kBlue};
}

// "ENTER" and "CALCULATE" side by side below the introduction.
constexpr platform::ControlDesign PageButton(int page, int index, bool left, const char* caption) {
  return {.kind = platform::Kind::CommandButton, .name = "Command25", .index = index, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = left ? 4680 : 7350, .top = 1020, .width = 2430,
          .height = 600, .caption = caption, .flags = platform::Bold, .fontSize = 12};
}

// "<< Back" and "Next >>" at the foot of a page; "Next >>" waits for the page's values.
constexpr platform::ControlDesign WayButton(int page, int index, bool next) {
  return {.kind = platform::Kind::CommandButton, .name = "Command21", .index = index, .container = kStrip,
          .containerIndex = kStripIndex, .page = page, .left = next ? 7380 : 5670, .top = 5490, .width = 1485,
          .height = 405, .caption = next ? "Next >>" : "<< Back", .flags = next ? platform::Disabled : 0u};
}

// The temporary-overvoltage page.
namespace tov_page {

constexpr int kPage = 0;

constexpr const char* kNote =
    "Temporary overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kCaptionLeft = 4680, kBoxLeft = 7200, kUnitLeft = 8160;
constexpr int kCentredLeft = kCaptionLeft + 720;  // the heading and the formula, over the rows
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000, kFormulaTop = 3600;

constexpr auto kDesign = std::to_array<ControlDesign>({
    Introduction(kPage, 21, kNote),
    PageButton(kPage, 5, true, "ENTER"),
    PageButton(kPage, 6, false, "CALCULATE"),

    ResultLabel(kPage, 27, kCentredLeft, kHeadingTop, 2865, "Internal and external insulation"),
    ResultLabel(kPage, 28, kCaptionLeft, kPeTop, 2460, "U        value (phase to earth):"),
    Subscript(kPage, 23, kCaptionLeft + 220, kPeTop, "cw"),
    ResultLabel(kPage, 24, kUnitLeft, kPeTop, 285, "kV"),
    ResultLabel(kPage, 29, kCaptionLeft, kPpTop, 2460, "U         value (phase to phase):"),
    Subscript(kPage, 25, kCaptionLeft + 255, kPpTop, "cw"),
    ResultLabel(kPage, 26, kUnitLeft, kPpTop, 285, "kV"),

    ResultLabel(kPage, 30, kCentredLeft, kFormulaTop, 2700, "U       = U    K     where  K    = 1"),
    Subscript(kPage, 31, kCentredLeft + 195, kFormulaTop, "cw"),
    Subscript(kPage, 239, kCentredLeft + 720, kFormulaTop, "rp"),
    Subscript(kPage, 240, kCentredLeft + 1071, kFormulaTop, "c"),
    Subscript(kPage, 241, kCentredLeft + 1930, kFormulaTop, "c"),

    WayButton(kPage, 20, false),
    WayButton(kPage, 19, true),
});

constexpr auto kBoxes = std::to_array<ControlDesign>({
    UcwBox(kPage, UcwTovPp, kBoxLeft, kPpTop),
    UcwBox(kPage, UcwTovPe, kBoxLeft, kPeTop),
    kit::Box(kit::TabPage(kStrip, kStripIndex, 0), 99, {240, 600, 900, 285}).hidden().text("0"),  // a flag no step sets
});

}  // namespace tov_page

// The slow-front page.
namespace slow_front_page {

constexpr int kPage = 1;

constexpr const char* kNote =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kInternal = 2400, kExternal = 7800;     // left of each column's captions
constexpr int kBoxOffset = 2520, kUnitOffset = 3480;  // from the captions' left
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000;

constexpr auto kDesign = std::to_array<ControlDesign>({
    Introduction(kPage, 26, kNote),
    PageButton(kPage, 7, true, "ENTER"),
    PageButton(kPage, 8, false, "CALCULATE"),

    ResultLabel(kPage, 36, kInternal + 600, kHeadingTop, 1800, "Internal insulation"),
    ResultLabel(kPage, 37, kInternal, kPeTop, 2460, " U        value (phase to earth):"),
    Subscript(kPage, 32, kInternal + 270, kPeTop, "cw"),
    ResultLabel(kPage, 33, kInternal + kUnitOffset, kPeTop, 285, "kV"),
    ResultLabel(kPage, 38, kInternal, kPpTop, 2460, "U         value (phase to phase):"),
    Subscript(kPage, 34, kInternal + 240, kPpTop, "cw"),
    ResultLabel(kPage, 35, kInternal + kUnitOffset, kPpTop, 285, "kV"),

    ResultLabel(kPage, 43, kExternal + 600, kHeadingTop, 1800, "External insulation"),
    ResultLabel(kPage, 44, kExternal, kPeTop, 2460, "U        value (phase to earth):"),
    Subscript(kPage, 39, kExternal + 216, kPeTop, "cw"),
    ResultLabel(kPage, 40, kExternal + kUnitOffset, kPeTop, 285, "kV"),
    ResultLabel(kPage, 45, kExternal, kPpTop, 2460, "U         value (phase to phase):"),
    Subscript(kPage, 41, kExternal + 240, kPpTop, "cw"),
    ResultLabel(kPage, 42, kExternal + kUnitOffset, kPpTop, 285, "kV"),

    WayButton(kPage, 22, false),
    WayButton(kPage, 21, true),
});

constexpr auto kBoxes = std::to_array<ControlDesign>({
    UcwBox(kPage, UcwSfPpInt, kInternal + kBoxOffset, kPpTop),
    UcwBox(kPage, UcwSfPeInt, kInternal + kBoxOffset, kPeTop),
    UcwBox(kPage, UcwSfPpExt, kExternal + kBoxOffset, kPpTop),
    UcwBox(kPage, UcwSfPeExt, kExternal + kBoxOffset, kPeTop),
    // "1" once the tabs' calculated values were committed.
    {.kind = platform::Kind::TextBox, .name = "Text1", .index = CwSfAcceptedFlag, .container = kStrip,
     .containerIndex = kStripIndex, .page = kPage, .left = 12960, .top = 5490, .width = 900, .height = 285,
     .caption = frame::kFlagDesignText, .flags = platform::Hidden},
    kit::Box(kit::TabPage(kStrip, kStripIndex, 1), 221, {240, 600, 900, 285})
            .hidden().locked().length(8).back(platform::kLightYellow),  // a working box no step uses
});

}  // namespace slow_front_page

// The fast-front page: the internal block above the external one.
namespace fast_front_page {

constexpr int kPage = 2;

constexpr const char* kNote =
    "Fast front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kCaptionLeft = 4680, kBoxLeft = 7200, kUnitLeft = 8160;
constexpr int kHeadingLeft = kCaptionLeft + 720;
constexpr int kIntHeadingTop = 2100, kIntPeTop = 2520, kIntPpTop = 3000;
constexpr int kExtHeadingTop = 3540, kExtPeTop = 3960, kExtPpTop = 4440;

constexpr auto kDesign = std::to_array<ControlDesign>({
    Introduction(kPage, 27, kNote),
    PageButton(kPage, 10, true, "ENTER"),
    PageButton(kPage, 9, false, "CALCULATE"),

    ResultLabel(kPage, 112, kHeadingLeft, kIntHeadingTop, 1800, "Internal insulation"),
    ResultLabel(kPage, 117, kCaptionLeft, kIntPeTop, 2460, "U         value (phase to earth)"),
    Subscript(kPage, 116, kCaptionLeft + 250, kIntPeTop, "cw"),
    ResultLabel(kPage, 115, kUnitLeft, kIntPeTop, 285, "kV"),
    ResultLabel(kPage, 118, kCaptionLeft, kIntPpTop, 2460, "U         value (phase to phase):"),
    Subscript(kPage, 114, kCaptionLeft + 250, kIntPpTop, "cw"),
    ResultLabel(kPage, 113, kUnitLeft, kIntPpTop, 285, "kV"),

    ResultLabel(kPage, 107, kHeadingLeft, kExtHeadingTop, 1800, "External insulation"),
    ResultLabel(kPage, 119, kCaptionLeft, kExtPeTop, 2460, "U        value (phase to earth):"),
    Subscript(kPage, 111, kCaptionLeft + 220, kExtPeTop, "cw"),
    ResultLabel(kPage, 110, kUnitLeft, kExtPeTop, 285, "kV"),
    ResultLabel(kPage, 120, kCaptionLeft, kExtPpTop, 2460, "U         value (phase to phase):"),
    Subscript(kPage, 109, kCaptionLeft + 250, kExtPpTop, "cw"),
    ResultLabel(kPage, 108, kUnitLeft, kExtPpTop, 285, "kV"),

    WayButton(kPage, 23, false),
    WayButton(kPage, 24, true),
});

// The external boxes hold the seven letters of "Ignored".
constexpr ControlDesign WordBox(ControlDesign box) {
  box.maxLength = 7;
  return box;
}

constexpr auto kBoxes = std::to_array<ControlDesign>({
    WordBox(UcwBox(kPage, UcwFfPeExt, kBoxLeft, kExtPeTop)),
    WordBox(UcwBox(kPage, UcwFfPpExt, kBoxLeft, kExtPpTop)),
    UcwBox(kPage, UcwFfPeInt, kBoxLeft, kIntPeTop),
    UcwBox(kPage, UcwFfPpInt, kBoxLeft, kIntPpTop),
    // The internal Kcd boxes, which the internal tab does not compute.
    kit::Box(kit::TabPage(kStrip, kStripIndex, 2), 120, {240, 600, 900, 285}).hidden().length(8),
    kit::Box(kit::TabPage(kStrip, kStripIndex, 2), 121, {1380, 600, 900, 285}).hidden().locked().length(6),
    kit::Box(kit::TabPage(kStrip, kStripIndex, 2), 122, {2520, 600, 900, 285}).hidden().locked().length(8),
    kit::Box(kit::TabPage(kStrip, kStripIndex, 2), 123, {3660, 600, 900, 285}).hidden().locked().length(8),
});

}  // namespace fast_front_page

}  // namespace

std::span<const ControlDesign> CwTovPage::Design() { return tov_page::kDesign; }
std::span<const ControlDesign> CwTovPage::ValueStoreRows() { return tov_page::kBoxes; }

std::span<const ControlDesign> CwSlowFrontPage::Design() { return slow_front_page::kDesign; }
std::span<const ControlDesign> CwSlowFrontPage::ValueStoreRows() { return slow_front_page::kBoxes; }

std::span<const ControlDesign> CwFastFrontPage::Design() { return fast_front_page::kDesign; }
std::span<const ControlDesign> CwFastFrontPage::ValueStoreRows() { return fast_front_page::kBoxes; }

}  // namespace coordination
