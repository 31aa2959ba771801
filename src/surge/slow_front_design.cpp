// The slow-front page as it stands when the main window is loaded. The range
// tab strips SSTab1(0) and SSTab1(1) lie over it and belong to the frame's
// page tree; the summary below ENTER and CALCULATE is hidden until it holds a value.

#include <array>

#include "frame/value_store.hpp"
#include "surge/slow_front_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using platform::Bold;
using platform::ControlDesign;
using platform::Disabled;
using platform::Hidden;
using platform::Kind;
using platform::kBlue;
using platform::kLightYellow;
using platform::Locked;

constexpr const char* kPage = "tabSubGeneral1";
constexpr int kPageIndex = 2;

constexpr const char* kNote =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

// One label of the summary, hidden with it.
constexpr ControlDesign SummaryLabel(int index, int left, int top, int width, const char* caption) {
  return {.kind = Kind::Label, .name = "Label4", .index = index, .container = kPage, .page = kPageIndex,
          .left = left, .top = top, .width = width, .height = 255, .caption = caption, .flags = Hidden};
}

// A subscript laid into the blank run of the caption to its left.
constexpr ControlDesign Subscript(int index, int left, int top) {
  return {.kind = Kind::Label, .name = "Label4", .index = index, .container = kPage, .page = kPageIndex,
          .left = left, .top = top + 45, .width = 165, .height = 225, .caption = "rp", .flags = Hidden,
          .fontSize = platform::kSubscriptFontSize};
}

constexpr int kInternal = 2400, kExternal = 7800;  // left of each column's captions
constexpr int kBoxOffset = 2220, kUnitOffset = 3180;  // from the captions' left
constexpr int kHeadingTop = 2100, kPeTop = 2520, kPpTop = 3000;

constexpr auto kDesign = std::to_array<ControlDesign>({
    {.kind = Kind::Label, .name = "Label30", .index = 19, .container = kPage, .page = kPageIndex,
     .left = 120, .top = 420, .width = 13965, .height = 285, .caption = kNote, .foreColor = kBlue},
    {.kind = Kind::CommandButton, .name = "Command25", .index = 0, .container = kPage, .page = kPageIndex,
     .left = 4680, .top = 1020, .width = 2430, .height = 600, .caption = "ENTER", .flags = Bold, .fontSize = 12},
    {.kind = Kind::CommandButton, .name = "Command25", .index = 1, .container = kPage, .page = kPageIndex,
     .left = 7350, .top = 1020, .width = 2430, .height = 600, .caption = "CALCULATE", .flags = Bold,
     .fontSize = 12},

    SummaryLabel(1, kInternal + 600, kHeadingTop, 1800, "Internal insulation"),
    SummaryLabel(2, kInternal, kPeTop, 2160, "U     value (phase to earth):"),
    Subscript(3, kInternal + 165, kPeTop),
    SummaryLabel(4, kInternal + kUnitOffset, kPeTop, 285, "kV"),
    SummaryLabel(5, kExternal + 600, kHeadingTop, 1800, "External insulation"),
    SummaryLabel(6, kInternal, kPpTop, 2160, "U      value (phase to phase):"),
    Subscript(7, kInternal + 195, kPpTop),
    SummaryLabel(8, kInternal + kUnitOffset, kPpTop, 285, "kV"),
    SummaryLabel(9, kExternal, kPeTop, 2160, "U     value (phase to earth):"),
    Subscript(10, kExternal + 165, kPeTop),
    SummaryLabel(11, kExternal + kUnitOffset, kPeTop, 285, "kV"),
    SummaryLabel(12, kExternal, kPpTop, 2160, "U      value (phase to phase):"),
    Subscript(13, kExternal + 195, kPpTop),
    SummaryLabel(14, kExternal + kUnitOffset, kPpTop, 285, "kV"),

    {.kind = Kind::CommandButton, .name = "Command21", .index = 9, .container = kPage, .page = kPageIndex,
     .left = 5670, .top = 5490, .width = 1485, .height = 405, .caption = "<< Back"},
    {.kind = Kind::CommandButton, .name = "Command21", .index = 10, .container = kPage, .page = kPageIndex,
     .left = 7380, .top = 5490, .width = 1485, .height = 405, .caption = "Next >>", .flags = Disabled},
});

// A summary box, locked and hidden with its row.
constexpr ControlDesign SummaryBox(int slot, int column, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = kPage, .page = kPageIndex,
          .left = column + kBoxOffset, .top = top - 30, .width = 900, .height = 285, .flags = Hidden | Locked,
          .maxLength = 6, .backColor = kLightYellow};
}

// The arrester's Ups as each range tab calculates with it: a hidden box of the
// tab without a length limit. The arrester page and CALCULATE write them.
constexpr ControlDesign UpsCopy(int slot, int strip, int tab, const char* designText) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "SSTab1", .containerIndex = strip,
          .page = tab, .left = 12960, .top = 600, .width = 900, .height = 285, .caption = designText,
          .flags = Hidden};
}

constexpr auto kBoxes = std::to_array<ControlDesign>({
    UpsCopy(UpsCopySfPeRange1, 0, 0, "Text5"),
    UpsCopy(UpsCopySfPpRange1, 0, 1, "Text12"),
    // "1" once the range tabs have accepted a complete calculation.
    {.kind = Kind::TextBox, .name = "Text1", .index = SfAcceptedFlag, .container = kPage, .page = kPageIndex,
     .left = 12960, .top = 5490, .width = 900, .height = 285, .caption = frame::kFlagDesignText, .flags = Hidden},
    SummaryBox(UrpSfPeInt, kInternal, kPeTop),
    SummaryBox(UrpSfPpInt, kInternal, kPpTop),
    SummaryBox(UrpSfPeExt, kExternal, kPeTop),
    SummaryBox(UrpSfPpExt, kExternal, kPpTop),
    UpsCopy(UpsCopySfPeRange2, 1, 0, "Text5"),
    UpsCopy(UpsCopySfPpRange2, 1, 1, "Text12"),
});

}  // namespace

std::span<const ControlDesign> SlowFrontPage::Design() { return kDesign; }

std::span<const ControlDesign> SlowFrontPage::ValueStoreRows() { return kBoxes; }

}  // namespace surge
