// The two calculation strips of the slow-front page as they stand when the
// main window is loaded: one layout, laid out once for each strip from what
// tells the strips apart. Tab 0 holds the unit options with their caption
// labels (each option shows only its button; a click on the label beside it
// selects it) and the frame of Ue2, Uet and Urp phase to earth; tab 1 holds
// the switching cases and the frame of Up2, Upt and Urp phase to phase.
// Range II adds the external insulation frame below (Frame26).
//
// A caption with a subscript is a caption with blanks where the subscript
// goes and a small label laid into the middle of that gap; the Lefts of the
// subscripts below are measured in the program's font.

#include <array>
#include <cstddef>

#include "surge/slow_front_range.hpp"
#include "surge/slow_front_range_tabs.hpp"

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

// Where a control stands: directly on a tab of a strip, or in a frame.
struct Place {
  const char* container;
  int containerIndex;
  int page;
};

constexpr Place OnTab(int strip, int tab) { return {"SSTab1", strip, tab}; }
constexpr Place In(const char* frame) { return {frame, platform::kNoIndex, -1}; }

// Columns inside the frames, and the rows of each frame.
constexpr int kCaptionLeft = 960, kBoxLeft = 3000, kAsideLeft = 4020, kBoxWidth = 900;
constexpr int kFirstRow = 300, kOkTop = 705;
constexpr int kUetRow = 1200, kUrpPeRow = 1620, kPeRuleRow = 2100;
constexpr int kUp2Row = 300, kUptRow = 720, kUrpPpRow = 1140, kPpRuleRow = 1620;
constexpr int kHtLeft = 7080, kHtBoxLeft = 9000, kHtAsideLeft = 10020;  // the Ht row beside the D row
constexpr int kFrameLeft = 240, kFrameWidth = 13935;
constexpr int kSubscriptDrop = 45;  // a subscript sits a little below its caption's line

constexpr const char* kInternalAndExternal = "Internal and external insulation";

constexpr ControlDesign Label(const char* name, int index, Place p, int left, int top, int width,
                              const char* caption, unsigned flags = 0, std::uint32_t color = platform::kSystemColor) {
  return {.kind = Kind::Label, .name = name, .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = 255, .caption = caption, .flags = flags, .foreColor = color};
}

constexpr ControlDesign Subscript(const char* name, int index, Place p, int left, int captionTop,
                                  const char* caption, unsigned flags = 0,
                                  std::uint32_t color = platform::kSystemColor) {
  ControlDesign d = Label(name, index, p, left, captionTop + kSubscriptDrop, 360, caption, flags, color);
  d.height = 225;
  d.fontSize = platform::kSubscriptFontSize;
  return d;
}

constexpr ControlDesign Button(int index, Place p, int left, int top, int width, int height, const char* caption,
                               unsigned flags = 0) {
  return {.kind = Kind::CommandButton, .name = "Command21", .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = height, .caption = caption, .flags = flags};
}

constexpr ControlDesign Option(int index, Place p, int left, int top, int width, const char* caption) {
  return {.kind = Kind::OptionButton, .name = "Option1", .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = 255, .caption = caption};
}

constexpr ControlDesign Frame(const char* name, Place p, int top, int height, const char* caption,
                              unsigned flags = 0) {
  return {.kind = Kind::Frame, .name = name, .container = p.container, .containerIndex = p.containerIndex,
          .page = p.page, .left = kFrameLeft, .top = top, .width = kFrameWidth, .height = height,
          .caption = caption, .flags = flags};
}

// A row of a frame: caption, subscript, and beside the box its meaning or unit.
struct RowLook {
  const char* caption;
  int captionLeft;
  const char* subscript;
  int subscriptLeft;
  const char* aside;
  int asideWidth;
};

constexpr ControlDesign* AddRow(ControlDesign* out, const SlowFrontCaptionRow& row, const RowLook& look, Place p,
                                int top, unsigned hidden) {
  *out++ = Label(row.captionName, row.caption, p, look.captionLeft, top, kBoxLeft - 60 - look.captionLeft,
                 look.caption, hidden);
  *out++ = Subscript("Label41", row.subscript, p, look.subscriptLeft, top, look.subscript, hidden);
  *out++ = Label(row.asideName, row.aside, p, kAsideLeft, top, look.asideWidth, look.aside, hidden);
  return out;
}

// The rule line in bold blue, with its three subscripts, the last after its final "U".
struct RuleLook {
  const char* caption;
  const char* subscripts[3];
  int subscriptLefts[3];
};

constexpr ControlDesign* AddRule(ControlDesign* out, int first, const RuleLook& look, Place p, int top,
                                 unsigned hidden) {
  *out++ = Label("Label30", first, p, kCaptionLeft, top, 5100, look.caption, hidden | Bold, kBlue);
  for (int i = 0; i < 3; ++i)
    *out++ = Subscript("Label30", first + 1 + i, p, look.subscriptLefts[i], top, look.subscripts[i], hidden | Bold,
                       kBlue);
  return out;
}

// What the layouts of the two strips differ in besides their controls.
struct StripLook {
  const SlowFrontRange& range;
  RowLook ue2, uet;
  RowLook urpPp;
  const char* resultFrameCaption;
  unsigned resultFrameFlags;
  int buttonsTop;
};

constexpr const char* kUe2Meaning = "Value of phase to earth overvoltage having a 2% probability of being exceeded";
constexpr const char* kUetMeaning =
    "Truncation value of cumulative distribution of the phase to earth overvoltages (phase peak method)";
constexpr const char* kUp2Meaning = "Value of phase to phase overvoltage having a 2% probability of being exceeded";
constexpr const char* kUptMeaning =
    "Truncation value of cumulative distribution of the phase to phase overvoltages (phase peak method)";

constexpr RowLook kUrpPe{"U    (phase to earth) :", kCaptionLeft, "rp", 1110, "kV", 285};
constexpr RowLook kUp2{"U       (kV)", kCaptionLeft, "p2", 1155, kUp2Meaning, 6000};
constexpr RowLook kUpt{"U       (kV)", kCaptionLeft, "pt", 1185, kUptMeaning, 7500};
constexpr RuleLook kPeRule{"The lower value between U      and U      is considered as U", {"et", "ps", "rp"},
                           {3135, 3855, 5565}};
constexpr RuleLook kPpRule{"The lower value between 2U      and U      is considered as U", {"ps", "pt", "rp"},
                           {3225, 3960, 5655}};

// Sixteen leading blanks move these captions' text to the caption column.
constexpr int kSixteenBlanks = 735;

constexpr StripLook kRange1Look{
    .range = kRange1,
    .ue2 = {"Enter U       ", kCaptionLeft, "e2", 1560, kUe2Meaning, 6000},
    .uet = {"U      (kV)", kCaptionLeft, "et", 1155, kUetMeaning, 7500},
    .urpPp = {"U    (phase to phase) :", kCaptionLeft, "rp", 1110, "kV", 285},
    .resultFrameCaption = kInternalAndExternal,
    .resultFrameFlags = 0,
    .buttonsTop = 3840,
};

constexpr StripLook kRange2Look{
    .range = kRange2,
    .ue2 = {"                Enter U      ", kCaptionLeft - kSixteenBlanks, "e2", 1560, kUe2Meaning, 6000},
    .uet = {"                U      (kV)", kCaptionLeft - kSixteenBlanks, "et", 1155, kUetMeaning, 7500},
    .urpPp = {"U     (phase to phase) :", kCaptionLeft, "rp", 1140, "kV", 285},
    .resultFrameCaption = "Internal insulation",
    .resultFrameFlags = Hidden,
    .buttonsTop = 6000,
};

constexpr std::size_t kStripControls = 42;

constexpr std::array<ControlDesign, kStripControls> StripDesign(const StripLook& look) {
  const SlowFrontRange& r = look.range;
  std::array<ControlDesign, kStripControls> a{};
  ControlDesign* out = a.data();

  // Tab 0: the unit of Ue2 (each option only its button, its caption a label beside it).
  const Place tab0 = OnTab(r.strip, 0);
  *out++ = Option(r.optionKv, tab0, 960, 480, 255, "Enter U     (kV)");
  *out++ = Label("Label41", r.kvCaption, tab0, 1230, 480, 1200, "Enter U      (kV)");
  *out++ = Subscript("Label41", r.kvSubscript, tab0, 1853, 480, "e2");
  *out++ = Option(r.optionPu, tab0, 3960, 480, 255, "Enter U     (pu)");
  *out++ = Label("Label41", r.puCaption, tab0, 4230, 480, 1200, "Enter U      (pu)");
  *out++ = Subscript("Label41", r.puSubscript, tab0, 4845, 480, "e2");
  *out++ = Frame(r.peFrame, tab0, 840, 2520, kInternalAndExternal);
  const Place pe = In(r.peFrame);
  out = AddRow(out, r.ue2Row, look.ue2, pe, kFirstRow, Hidden);
  *out++ = Button(r.ok, pe, kBoxLeft, kOkTop, kBoxWidth, 315, "OK", Hidden);
  out = AddRow(out, r.uetRow, look.uet, pe, kUetRow, Hidden);
  out = AddRow(out, r.urpPeRow, kUrpPe, pe, kUrpPeRow, Hidden);
  out = AddRule(out, r.peRule, kPeRule, pe, kPeRuleRow, Hidden);
  *out++ = Button(r.backPe, tab0, 5670, look.buttonsTop, 1485, 405, "<<Back");
  *out++ = Button(r.nextPe, tab0, 7380, look.buttonsTop, 1485, 405, "Next >>", Disabled);

  // Tab 1: the switching case, then the results.
  const Place tab1 = OnTab(r.strip, 1);
  ControlDesign cases = Frame(r.caseFrame, tab1, 420, 615, "");
  cases.width = 6600;
  *out++ = cases;
  *out++ = Option(r.optionReenergization, In(r.caseFrame), 480, 240, 2775, "Three-phase re-energization");
  *out++ = Option(r.optionEnergization, In(r.caseFrame), 3600, 240, 2655, "Three-phase energization");
  *out++ = Frame(r.resultFrame, tab1, 1140, 2040, look.resultFrameCaption, look.resultFrameFlags);
  const Place pp = In(r.resultFrame);
  out = AddRow(out, r.up2Row, kUp2, pp, kUp2Row, 0);
  out = AddRow(out, r.uptRow, kUpt, pp, kUptRow, 0);
  out = AddRow(out, r.urpPpRow, look.urpPp, pp, kUrpPpRow, 0);
  out = AddRule(out, r.ppRule, kPpRule, pp, kPpRuleRow, 0);
  *out++ = Button(r.backPp, tab1, 5670, look.buttonsTop, 1485, 405, "<<Back");
  *out++ = Button(r.nextPp, tab1, 7380, look.buttonsTop, 1485, 405, "Next >>", Disabled);
  return a;
}

// The external insulation frame of the Range II phase-to-phase tab.
constexpr Place kExternal = In("Frame26");
constexpr int kExternalResultRow = 1200, kExternalUrpRow = 1620, kExternalRuleRow = 2100;
constexpr ControlDesign kExternalDesign[] = {
    Frame("Frame26", OnTab(kRange2.strip, 1), 3300, 2520, "External insulation", Hidden),
    Label("Label41", 31, kExternal, kCaptionLeft, kFirstRow, 1560, "Enter D value (m)"),
    Label("Label41", 32, kExternal, kAsideLeft, kFirstRow, 2400, "Phase to phase air clearance"),
    Label("Label41", 33, kExternal, kHtLeft, kFirstRow, 1560, "Enter Ht value (m)"),
    Label("Label41", 34, kExternal, kHtAsideLeft, kFirstRow, 1800, "Height above earth"),
    Button(14, kExternal, kHtBoxLeft, kOkTop, kBoxWidth, 315, "OK", Hidden),
    Label("Label41", 35, kExternal, 360, kExternalResultRow, 2580, "             U         (kV)", Hidden),
    Subscript("Label23", 7, kExternal, 1155, kExternalResultRow, "ptre", Hidden),
    Label("Label41", 36, kExternal, kAsideLeft, kExternalResultRow, 3900,
          "Truncated phase to phase slow front overvoltage", Hidden),
    Label("Label41", 37, kExternal, kCaptionLeft, kExternalUrpRow, 1980, "U     (phase to phase) :", Hidden),
    Subscript("Label41", 38, kExternal, 1140, kExternalUrpRow, "rp", Hidden),
    Label("Label41", 39, kExternal, kAsideLeft, kExternalUrpRow, 285, "kV", Hidden),
    Label("Label30", 22, kExternal, kCaptionLeft, kExternalRuleRow, 5100,
          "The lower value between 2U      and U        is considered as U", Hidden | Bold, kBlue),
    Subscript("Label30", 23, kExternal, 3225, kExternalRuleRow, "ps", Hidden | Bold, kBlue),
    Subscript("Label30", 24, kExternal, 3950, kExternalRuleRow, "ptre", Hidden | Bold, kBlue),
    Subscript("Label30", 25, kExternal, 5745, kExternalRuleRow, "rp", Hidden | Bold, kBlue),
};

constexpr auto kDesign = [] {
  std::array<ControlDesign, 2 * kStripControls + std::size(kExternalDesign)> a{};
  ControlDesign* out = a.data();
  for (const StripLook* look : {&kRange1Look, &kRange2Look})
    for (const ControlDesign& d : StripDesign(*look)) *out++ = d;
  for (const ControlDesign& d : kExternalDesign) *out++ = d;
  return a;
}();

// A box of a row, at the row's top in the box column.
constexpr ControlDesign Box(int slot, Place p, int left, int top, unsigned flags, int maxLength) {
  const bool locked = (flags & Locked) != 0;
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top - 30, .width = kBoxWidth,
          .height = 285, .flags = flags, .maxLength = maxLength,
          .backColor = locked ? kLightYellow : platform::kSystemColor};
}

constexpr int kUnlimited = 0, kVoltage = 6;

constexpr ControlDesign kBoxes[] = {
    Box(Ue2PeRange1, In(kRange1.peFrame), kBoxLeft, kFirstRow, Hidden, kUnlimited),
    Box(UetPeRange1, In(kRange1.peFrame), kBoxLeft, kUetRow, Hidden | Locked, kVoltage),
    Box(UrpSfPeRange1, In(kRange1.peFrame), kBoxLeft, kUrpPeRow, Hidden | Locked, kVoltage),
    Box(Up2Range1, In(kRange1.resultFrame), kBoxLeft, kUp2Row, Locked, kVoltage),
    Box(UptRange1, In(kRange1.resultFrame), kBoxLeft, kUptRow, Locked, kVoltage),
    Box(UrpSfPpRange1, In(kRange1.resultFrame), kBoxLeft, kUrpPpRow, Locked, kVoltage),
    Box(SfSpareRange2, OnTab(kRange2.strip, 0), 12960, 1020, Hidden | Locked, kUnlimited),
    Box(UrpSfPeRange2, In(kRange2.peFrame), kBoxLeft, kUrpPeRow, Hidden | Locked, kVoltage),
    Box(UetPeRange2, In(kRange2.peFrame), kBoxLeft, kUetRow, Hidden | Locked, kVoltage),
    Box(Ue2PeRange2, In(kRange2.peFrame), kBoxLeft, kFirstRow, Hidden, kVoltage),
    Box(Up2Range2, In(kRange2.resultFrame), kBoxLeft, kUp2Row, Locked, kVoltage),
    Box(UptRange2, In(kRange2.resultFrame), kBoxLeft, kUptRow, Locked, kVoltage),
    Box(UrpSfPpIntRange2, In(kRange2.resultFrame), kBoxLeft, kUrpPpRow, Locked, kVoltage),
    Box(SfClearanceD, kExternal, kBoxLeft, kFirstRow, 0, kVoltage),
    Box(SfHeightHt, kExternal, kHtBoxLeft, kFirstRow, 0, kVoltage),
    Box(UptreRange2, kExternal, kBoxLeft, kExternalResultRow, Hidden | Locked, kVoltage),
    Box(UrpSfPpExtRange2, kExternal, kBoxLeft, kExternalUrpRow, Hidden | Locked, kVoltage),
};

}  // namespace

std::span<const ControlDesign> SlowFrontRangeTabs::Design() { return kDesign; }

std::span<const ControlDesign> SlowFrontRangeTabs::ValueStoreRows() { return kBoxes; }

}  // namespace surge
