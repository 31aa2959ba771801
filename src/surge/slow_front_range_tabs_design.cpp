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

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"
#include "surge/slow_front_range.hpp"
#include "surge/slow_front_range_tabs.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using namespace frame::design;
using platform::Hidden;
using platform::kBlue;

// Columns inside the frames, and the rows of each frame.
constexpr int kCaptionLeft = 960, kBoxLeft = 3000, kAsideLeft = 4020, kBoxWidth = 900;
constexpr int kFirstRow = 300, kOkTop = 705;
constexpr int kUetRow = 1200, kUrpPeRow = 1620, kPeRuleRow = 2100;
constexpr int kUp2Row = 300, kUptRow = 720, kUrpPpRow = 1140, kPpRuleRow = 1620;
constexpr int kHtLeft = 7080, kHtBoxLeft = 9000, kHtAsideLeft = 10020;  // the Ht row beside the D row
constexpr int kFrameLeft = 240, kFrameWidth = 13935;
constexpr int kLineHeight = 255;    // a caption is one line high
constexpr int kSubscriptDrop = 45;  // a subscript sits a little below its caption's line

constexpr const char* kInternalAndExternal = "Internal and external insulation";

// The subscript laid into the blank run of the caption at captionTop.
constexpr Row CaptionSubscript(Place p, const char* name, int index, int left, int captionTop, const char* caption,
                               unsigned flags = 0) {
  return Subscript(p, name, index, {left, captionTop + kSubscriptDrop, 360, 225}, caption, flags);
}

// A frame across the tab.
constexpr Row WideFrame(Place p, const char* name, int top, int height, const char* caption, unsigned flags = 0) {
  return Frame(p, name, platform::kNoIndex, {kFrameLeft, top, kFrameWidth, height}, caption, flags);
}

// The "OK" below the box of a frame's first row.
constexpr Row OkButton(Place p, int index, int left) {
  return Button(p, "Command21", index, {left, kOkTop, kBoxWidth, 315}, "OK").hidden();
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
  *out++ = Label(p, row.captionName, row.caption,
                 {look.captionLeft, top, kBoxLeft - 60 - look.captionLeft, kLineHeight}, look.caption, hidden);
  *out++ = CaptionSubscript(p, "Label41", row.subscript, look.subscriptLeft, top, look.subscript, hidden);
  *out++ = Label(p, row.asideName, row.aside, {kAsideLeft, top, look.asideWidth, kLineHeight}, look.aside, hidden);
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
  *out++ = Label(p, "Label30", first, {kCaptionLeft, top, 5100, kLineHeight}, look.caption, hidden).bold().fore(kBlue);
  for (int i = 0; i < 3; ++i)
    *out++ = CaptionSubscript(p, "Label30", first + 1 + i, look.subscriptLefts[i], top, look.subscripts[i], hidden)
                 .bold()
                 .fore(kBlue);
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
  const SlowFrontRange& range = look.range;
  std::array<ControlDesign, kStripControls> a{};
  ControlDesign* out = a.data();

  // Tab 0: the unit of Ue2 (each option only its button, its caption a label beside it).
  const Place tab0 = TabPage("SSTab1", range.strip, 0);
  *out++ = Option(tab0, range.optionKv, {960, 480, 255, 255}, "Enter U     (kV)");
  *out++ = Label(tab0, "Label41", range.kvCaption, {1230, 480, 1200, kLineHeight}, "Enter U      (kV)");
  *out++ = CaptionSubscript(tab0, "Label41", range.kvSubscript, 1853, 480, "e2");
  *out++ = Option(tab0, range.optionPu, {3960, 480, 255, 255}, "Enter U     (pu)");
  *out++ = Label(tab0, "Label41", range.puCaption, {4230, 480, 1200, kLineHeight}, "Enter U      (pu)");
  *out++ = CaptionSubscript(tab0, "Label41", range.puSubscript, 4845, 480, "e2");
  *out++ = WideFrame(tab0, range.peFrame, 840, 2520, kInternalAndExternal);
  const Place pe = Inside(range.peFrame);
  out = AddRow(out, range.ue2Row, look.ue2, pe, kFirstRow, Hidden);
  *out++ = OkButton(pe, range.ok, kBoxLeft);
  out = AddRow(out, range.uetRow, look.uet, pe, kUetRow, Hidden);
  out = AddRow(out, range.urpPeRow, kUrpPe, pe, kUrpPeRow, Hidden);
  out = AddRule(out, range.peRule, kPeRule, pe, kPeRuleRow, Hidden);
  *out++ = BackButton(tab0, range.backPe, look.buttonsTop, "<<Back");
  *out++ = NextButton(tab0, range.nextPe, look.buttonsTop);

  // Tab 1: the switching case, then the results.
  const Place tab1 = TabPage("SSTab1", range.strip, 1);
  const Place cases = Inside(range.caseFrame);
  *out++ = Frame(tab1, range.caseFrame, platform::kNoIndex, {kFrameLeft, 420, 6600, 615}, "");
  *out++ = Option(cases, range.optionReenergization, {480, 240, 2775, 255}, "Three-phase re-energization");
  *out++ = Option(cases, range.optionEnergization, {3600, 240, 2655, 255}, "Three-phase energization");
  *out++ = WideFrame(tab1, range.resultFrame, 1140, 2040, look.resultFrameCaption, look.resultFrameFlags);
  const Place pp = Inside(range.resultFrame);
  out = AddRow(out, range.up2Row, kUp2, pp, kUp2Row, 0);
  out = AddRow(out, range.uptRow, kUpt, pp, kUptRow, 0);
  out = AddRow(out, range.urpPpRow, look.urpPp, pp, kUrpPpRow, 0);
  out = AddRule(out, range.ppRule, kPpRule, pp, kPpRuleRow, 0);
  *out++ = BackButton(tab1, range.backPp, look.buttonsTop, "<<Back");
  *out++ = NextButton(tab1, range.nextPp, look.buttonsTop);
  return a;
}

// The external insulation frame of the Range II phase-to-phase tab.
constexpr Place kExternal = Inside("Frame26");
constexpr int kExternalResultRow = 1200, kExternalUrpRow = 1620, kExternalRuleRow = 2100;
constexpr auto kExternalDesign = std::to_array<ControlDesign>({
    WideFrame(TabPage("SSTab1", kRange2.strip, 1), "Frame26", 3300, 2520, "External insulation").hidden(),
    Label(kExternal, "Label41", 31, {kCaptionLeft, kFirstRow, 1560, kLineHeight}, "Enter D value (m)"),
    Label(kExternal, "Label41", 32, {kAsideLeft, kFirstRow, 2400, kLineHeight}, "Phase to phase air clearance"),
    Label(kExternal, "Label41", 33, {kHtLeft, kFirstRow, 1560, kLineHeight}, "Enter Ht value (m)"),
    Label(kExternal, "Label41", 34, {kHtAsideLeft, kFirstRow, 1800, kLineHeight}, "Height above earth"),
    OkButton(kExternal, 14, kHtBoxLeft),
    Label(kExternal, "Label41", 35, {360, kExternalResultRow, 2580, kLineHeight}, "             U         (kV)",
          Hidden),
    CaptionSubscript(kExternal, "Label23", 7, 1155, kExternalResultRow, "ptre", Hidden),
    Label(kExternal, "Label41", 36, {kAsideLeft, kExternalResultRow, 3900, kLineHeight},
          "Truncated phase to phase slow front overvoltage", Hidden),
    Label(kExternal, "Label41", 37, {kCaptionLeft, kExternalUrpRow, 1980, kLineHeight},
          "U     (phase to phase) :", Hidden),
    CaptionSubscript(kExternal, "Label41", 38, 1140, kExternalUrpRow, "rp", Hidden),
    Label(kExternal, "Label41", 39, {kAsideLeft, kExternalUrpRow, 285, kLineHeight}, "kV", Hidden),
    Label(kExternal, "Label30", 22, {kCaptionLeft, kExternalRuleRow, 5100, kLineHeight},
          "The lower value between 2U      and U        is considered as U", Hidden)
        .bold()
        .fore(kBlue),
    CaptionSubscript(kExternal, "Label30", 23, 3225, kExternalRuleRow, "ps", Hidden).bold().fore(kBlue),
    CaptionSubscript(kExternal, "Label30", 24, 3950, kExternalRuleRow, "ptre", Hidden).bold().fore(kBlue),
    CaptionSubscript(kExternal, "Label30", 25, 5745, kExternalRuleRow, "rp", Hidden).bold().fore(kBlue),
});

constexpr auto kDesign = Join(StripDesign(kRange1Look), StripDesign(kRange2Look), kExternalDesign);

constexpr int kUnlimited = 0, kVoltage = 6;

// The box of a row, at the row's top in its column; a result box is locked
// and light yellow.
constexpr Row EntryBox(Place p, int slot, int left, int top, int maxLength = kVoltage) {
  return Box(p, slot, {left, top - 30, kBoxWidth, 285}).length(maxLength);
}
constexpr Row ResultBox(Place p, int slot, int left, int top, int maxLength = kVoltage) {
  return EntryBox(p, slot, left, top, maxLength).readOnly();
}

constexpr Place kPe1 = Inside(kRange1.peFrame), kPp1 = Inside(kRange1.resultFrame);
constexpr Place kPe2 = Inside(kRange2.peFrame), kPp2 = Inside(kRange2.resultFrame);

constexpr ControlDesign kBoxes[] = {
    EntryBox(kPe1, Ue2PeRange1, kBoxLeft, kFirstRow, kUnlimited).hidden(),
    ResultBox(kPe1, UetPeRange1, kBoxLeft, kUetRow).hidden(),
    ResultBox(kPe1, UrpSfPeRange1, kBoxLeft, kUrpPeRow).hidden(),
    ResultBox(kPp1, Up2Range1, kBoxLeft, kUp2Row),
    ResultBox(kPp1, UptRange1, kBoxLeft, kUptRow),
    ResultBox(kPp1, UrpSfPpRange1, kBoxLeft, kUrpPpRow),
    ResultBox(TabPage("SSTab1", kRange2.strip, 0), SfSpareRange2, 12960, 1020, kUnlimited).hidden(),
    ResultBox(kPe2, UrpSfPeRange2, kBoxLeft, kUrpPeRow).hidden(),
    ResultBox(kPe2, UetPeRange2, kBoxLeft, kUetRow).hidden(),
    EntryBox(kPe2, Ue2PeRange2, kBoxLeft, kFirstRow).hidden(),
    ResultBox(kPp2, Up2Range2, kBoxLeft, kUp2Row),
    ResultBox(kPp2, UptRange2, kBoxLeft, kUptRow),
    ResultBox(kPp2, UrpSfPpIntRange2, kBoxLeft, kUrpPpRow),
    EntryBox(kExternal, SfClearanceD, kBoxLeft, kFirstRow),
    EntryBox(kExternal, SfHeightHt, kHtBoxLeft, kFirstRow),
    ResultBox(kExternal, UptreRange2, kBoxLeft, kExternalResultRow).hidden(),
    ResultBox(kExternal, UrpSfPpExtRange2, kBoxLeft, kExternalUrpRow).hidden(),
};

}  // namespace

std::span<const ControlDesign> SlowFrontRangeTabs::Design() { return kDesign; }

std::span<const ControlDesign> SlowFrontRangeTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace surge
