// The slow-front page as it stands when the main window is loaded. The range
// tab strips SSTab1(0) and SSTab1(1) lie over it and belong to the frame's
// page tree; the summary below ENTER and CALCULATE is hidden until it holds a value.

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"
#include "frame/value_store.hpp"
#include "surge/slots.hpp"
#include "surge/slow_front_page.hpp"

namespace surge {

namespace {

using namespace frame::design;

constexpr Place kPage = TabPage("tabSubGeneral1", platform::kNoIndex, 2);

constexpr const char* kNote =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

// One label of the summary, hidden with it.
constexpr Row SummaryLabel(int index, int left, int top, int width, const char* caption) {
  return Label(kPage, "Label4", index, {left, top, width, 255}, caption).hidden();
}

// The "rp" laid into the blank run of the summary caption to its left.
constexpr Row SummarySubscript(int index, int left, int captionTop) {
  return Subscript(kPage, "Label4", index, {left, captionTop + 45, 165, 225}, "rp").hidden();
}

constexpr int kInternal = 2400, kExternal = 7800;  // left of each column's captions
constexpr int kBoxOffset = 2220, kUnitOffset = 3180;  // from the captions' left
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000;

constexpr ControlDesign kDesign[] = {
    Introduction(kPage, 19, kNote),
    EnterButton(kPage, 0),
    CalculateButton(kPage, 1),

    SummaryLabel(1, kInternal + 600, kHeadingTop, 1800, "Internal insulation"),
    SummaryLabel(2, kInternal, kPeTop, 2160, "U     value (phase to earth):"),
    SummarySubscript(3, kInternal + 165, kPeTop),
    SummaryLabel(4, kInternal + kUnitOffset, kPeTop, 285, "kV"),
    SummaryLabel(5, kExternal + 600, kHeadingTop, 1800, "External insulation"),
    SummaryLabel(6, kInternal, kPpTop, 2160, "U      value (phase to phase):"),
    SummarySubscript(7, kInternal + 195, kPpTop),
    SummaryLabel(8, kInternal + kUnitOffset, kPpTop, 285, "kV"),
    SummaryLabel(9, kExternal, kPeTop, 2160, "U     value (phase to earth):"),
    SummarySubscript(10, kExternal + 165, kPeTop),
    SummaryLabel(11, kExternal + kUnitOffset, kPeTop, 285, "kV"),
    SummaryLabel(12, kExternal, kPpTop, 2160, "U      value (phase to phase):"),
    SummarySubscript(13, kExternal + 195, kPpTop),
    SummaryLabel(14, kExternal + kUnitOffset, kPpTop, 285, "kV"),

    BackButton(kPage, 9),
    NextButton(kPage, 10),
};

// A summary box, locked and hidden with its row.
constexpr Row SummaryBox(int slot, int column, int top) {
  return Box(kPage, slot, {column + kBoxOffset, top - 30, 900, 285}).hidden().length(6).readOnly();
}

// The arrester's Ups as each range tab calculates with it: a hidden box of the
// tab without a length limit. The arrester page and CALCULATE write them.
constexpr Row UpsCopy(int slot, int strip, int tab, const char* designText) {
  return Box(TabPage("SSTab1", strip, tab), slot, {12960, 600, 900, 285}).hidden().text(designText);
}

constexpr ControlDesign kBoxes[] = {
    UpsCopy(UpsCopySfPeRange1, 0, 0, "Text5"),
    UpsCopy(UpsCopySfPpRange1, 0, 1, "Text12"),
    // "1" once the range tabs have accepted a complete calculation.
    Box(kPage, SfAcceptedFlag, {12960, 5490, 900, 285}).hidden().text(frame::kFlagDesignText),
    SummaryBox(UrpSfPeInt, kInternal, kPeTop),
    SummaryBox(UrpSfPpInt, kInternal, kPpTop),
    SummaryBox(UrpSfPeExt, kExternal, kPeTop),
    SummaryBox(UrpSfPpExt, kExternal, kPpTop),
    UpsCopy(UpsCopySfPeRange2, 1, 0, "Text5"),
    UpsCopy(UpsCopySfPpRange2, 1, 1, "Text12"),
};

}  // namespace

std::span<const ControlDesign> SlowFrontPage::Design() { return kDesign; }

std::span<const ControlDesign> SlowFrontPage::ValueStoreRows() const { return kBoxes; }

}  // namespace surge
