// The co-ordination slow-front strip SSTab1(4) as it stands when the main
// window is loaded. Each tab holds an internal insulation frame above an
// external insulation frame, which stays hidden until the internal Ucw
// stands, and the tab's "<<Back" and "Next >>" below them.
//
// The frames share their rows: a formula box Ucw = K·Urp at the top, the
// option groups, the input line (caption, box, "OK"), the ratio row with its
// fraction, and the Ucw row. A caption with a subscript is a caption with
// blanks where the subscript goes and a small label laid into the middle of
// that gap; the Lefts of the subscripts are measured in the program's font.
// A typed box stands a little above its caption so that their texts are level.

#include <array>

#include "coordination/slots.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "frame/design_kit.hpp"

namespace coordination {

namespace {

namespace kit = frame::design;
using kit::Place;
using platform::ControlDesign;

constexpr Place kTab0 = kit::TabPage("SSTab1", 4, 0), kTab1 = kit::TabPage("SSTab1", 4, 1);
constexpr Place kPeInt = kit::Inside("Frame31", 0), kPeExt = kit::Inside("Frame31", 1);
constexpr Place kPpInt = kit::Inside("Frame31", 2), kPpExt = kit::Inside("Frame31", 3);

// Columns of every frame.
constexpr int kFrameLeft = 240, kFrameWidth = 13935;
constexpr int kCaptionLeft = 240, kBoxLeft = 2280, kBoxWidth = 900, kAsideLeft = 3300;
constexpr int kOkBesideLeft = 3240;
constexpr int kGroupWidth = 13455, kGroupHeight = 405, kSecondOptionLeft = 6960;
// The rows' subscripts sit this much below their caption.
constexpr int kDrop = 60;
// A typed box stands this much above its caption.
constexpr int kBoxRaise = 30;
constexpr int kFormulaFontSize = 10;

// The "OK" that takes a typed value, hidden while its box is empty.
constexpr kit::Row OkButton(Place p, int index, int left, int top) {
  return kit::Button(p, "Command28", index, {left, top, kBoxWidth, 315}, "OK").hidden();
}

// An option group spanning the frame, without a caption, with its two
// options side by side.
struct Choice {
  int option;
  const char* caption;
};
constexpr std::array<ControlDesign, 3> Choices(kit::Row group, Choice first, Choice second) {
  const Place options = kit::Inside(group.name, group.index);
  return {group, kit::Option(options, first.option, {kCaptionLeft, 75, 3900, 255}, first.caption),
          kit::Option(options, second.option, {kSecondOptionLeft, 75, 3900, 255}, second.caption)};
}
constexpr kit::Row GroupFrame(Place frame, const char* name, int index, int top) {
  return kit::Frame(frame, name, index, {kCaptionLeft, top, kGroupWidth, kGroupHeight}, "");
}
constexpr const char* kEnterKcd = "Enter deterministic co-ordination factor";
constexpr const char* kCalculateKcd = "Calculate deterministic co-ordination factor";
constexpr const char* kReenergization = "Three-phase re-energization";
constexpr const char* kEnergization = "Three-phase energization";

// The formula Ucw = K·Urp in blue, boxed: K's subscript at `k`.
struct FormulaLabels {
  int shape, label, cw, k, rp;
};
constexpr std::array<ControlDesign, 5> Formula(const FormulaLabels& labels, Place p, int top, unsigned flags) {
  const unsigned look = flags | platform::Bold;
  const int subscriptTop = top + 90;
  return {kit::Control(platform::Kind::Shape, p, "Shape1", labels.shape, {kCaptionLeft, top - 60, 1920, 420}, "",
                       flags),
          kit::Label(p, "Label41", labels.label, {450, top, 1500, 285}, "U      = K       U", look)
              .nowrap()
              .font(kFormulaFontSize)
              .fore(platform::kBlue),
          kit::Subscript(p, "Label41", labels.cw, {660, subscriptTop, 195, 195}, "cw", look).fore(platform::kBlue),
          kit::Subscript(p, "Label41", labels.k, {1336, subscriptTop, 195, 195}, "cd", look).fore(platform::kBlue),
          kit::Subscript(p, "Label41", labels.rp, {1755, subscriptTop, 195, 195}, "rp", look).fore(platform::kBlue)};
}

// The unit options of Ue2, each only its button, its caption a label beside it.
struct UnitLabels {
  int group, kvOption, kvCaption, kvSubscript, puOption, puCaption, puSubscript;
};
constexpr std::array<ControlDesign, 7> Units(const UnitLabels& labels, Place frame, int top) {
  const Place group = kit::Inside("Frame36", labels.group);
  return {GroupFrame(frame, "Frame36", labels.group, top).hidden(),
          kit::Option(group, labels.kvOption, {kCaptionLeft, 75, 255, 255}, "Enter U     (kV)"),
          kit::Label(group, "Label41", labels.kvCaption, {510, 75, 1200, 255}, "Enter U      (kV)").nowrap(),
          kit::Subscript(group, "Label41", labels.kvSubscript, {1125, 75 + kDrop, 195, 195}, "e2"),
          kit::Option(group, labels.puOption, {3240, 75, 255, 255}, "Enter U     (pu)"),
          kit::Label(group, "Label41", labels.puCaption, {3510, 75, 1200, 255}, "Enter U      (pu)").nowrap(),
          kit::Subscript(group, "Label41", labels.puSubscript, {4125, 75 + kDrop, 195, 195}, "e2")};
}

// A caption of a frame's rows, hidden until its row shows.
constexpr kit::Row RowCaption(Place p, int index, kit::Rect r, const char* caption) {
  return kit::Label(p, "Label4", index, r, caption).hidden().nowrap();
}
// A subscript laid into a caption's blanks, `kDrop` below the caption's top.
constexpr kit::Row RowSubscript(Place p, int index, int left, int captionTop, const char* caption) {
  return kit::Subscript(p, "Label4", index, {left, captionTop + kDrop, 195, 195}, caption).hidden();
}

// "Enter   K" with the subscript after the K.
constexpr std::array<ControlDesign, 2> EnterK(int caption, int subscript, Place p, int top) {
  return {RowCaption(p, caption, {kCaptionLeft, top, 1200, 255}, "Enter   K         "),
          RowSubscript(p, subscript, 960, top, "cd")};
}

// "Enter Ue2 value" with what Ue2 means beside the box.
constexpr std::array<ControlDesign, 3> EnterUe2(int caption, int subscript, int meaning, Place p, int top) {
  return {RowCaption(p, caption, {kCaptionLeft, top, 1440, 255}, "Enter U      value "),
          RowSubscript(p, subscript, 863, top, "e2"),
          RowCaption(p, meaning, {kAsideLeft, top, 5880, 255},
                     "Value of phase to earth overvoltage having a 2% probability of being exceeded")};
}

// "Enter R" with its "OK" beside the box, then Kcs and its source on the same line.
struct RiskLabels {
  int enter, ok, hence, cs, source;
};
constexpr std::array<ControlDesign, 5> Risk(const RiskLabels& labels, Place p, int top) {
  return {RowCaption(p, labels.enter, {kCaptionLeft, top, 1800, 255}, "Enter R (Risk of failure)"),
          OkButton(p, labels.ok, kOkBesideLeft, top - kBoxRaise),
          RowCaption(p, labels.hence, {4320, top, 2880, 255}, "hence from case peak method K       ="),
          RowSubscript(p, labels.cs, 6780, top, "cs"),
          RowCaption(p, labels.source, {8280, top, 3000, 255}, "According to IEC 71-2:1996  fig.8,  p.81")};
}

// The typical values of R, in red under the R line.
constexpr kit::Row RiskHint(int index, Place p, int top) {
  return RowCaption(p, index, {kCaptionLeft, top, 4380, 255}, "Typical values for apparatus 0,0001<R<0,0004 per annum")
      .fore(platform::kRed);
}

// The ratio and factor row about its fraction bar at `bar`: the fraction,
// "=", the ratio box, "hence K =", the factor box, the figure it comes from.
struct RatioLabels {
  const char* numerator;
  int numeratorLeft, numeratorSubscriptLeft;
  const char* numeratorSubscript;
  const char* denominatorSubscript;
  int line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source;
};
constexpr int kRatioLeft = kBoxLeft, kFactorLeft = 4500;
constexpr std::array<ControlDesign, 9> Ratio(const RatioLabels& labels, Place p, int bar) {
  const int upperTop = bar - 225, lowerTop = bar + 30, rowTop = bar - 120;
  return {kit::Line(p, "Line6", labels.line, {1260, bar, 540, 0}).hidden(),
          RowCaption(p, labels.upper, {labels.numeratorLeft, upperTop, 255, 225}, labels.numerator),
          RowSubscript(p, labels.upperSubscript, labels.numeratorSubscriptLeft, upperTop, labels.numeratorSubscript),
          RowCaption(p, labels.lower, {1395, lowerTop, 150, 225}, "U"),
          RowSubscript(p, labels.lowerSubscript, 1530, lowerTop, labels.denominatorSubscript),
          RowCaption(p, labels.equals, {1920, rowTop, 150, 255}, "="),
          RowCaption(p, labels.hence, {kAsideLeft, rowTop, 1230, 255}, "hence   K       ="),
          RowSubscript(p, labels.cd, 4080, rowTop, "cd"),
          RowCaption(p, labels.source, {5580, rowTop, 3000, 255}, "According to IEC 71-2:1996  fig.6, p.75")};
}
constexpr RatioLabels PhaseToEarthRatio(int line, int upper, int upperSubscript, int lower, int lowerSubscript,
                                        int equals, int hence, int cd, int source) {
  return {"U", 1395, 1530, "ps", "e2", line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source};
}
constexpr RatioLabels PhaseToPhaseRatio(int line, int upper, int upperSubscript, int lower, int lowerSubscript,
                                        int equals, int hence, int cd, int source) {
  return {"2U", 1350, 1575, "ps", "p2", line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source};
}

// "Ucw =" and "kV" about the Ucw box.
constexpr std::array<ControlDesign, 3> UcwRow(int caption, int subscript, int unit, Place p, int top) {
  return {RowCaption(p, caption, {1620, top, 600, 255}, "U       ="), RowSubscript(p, subscript, 1815, top, "cw"),
          RowCaption(p, unit, {3240, top, 285, 255}, "kV")};
}

// "<<Back" and "Next >>" below a tab's frames; "Next >>" waits for the tab's Ucw.
constexpr std::array<ControlDesign, 2> TabButtons(Place tab, int back, int next) {
  return {kit::Button(tab, "Command29", back, {5670, 8700, 1485, 405}, "<<Back"),
          kit::Button(tab, "Command29", next, {7380, 8700, 1485, 405}, "Next >>").disabled()};
}

// Tab 0, internal insulation (Deterministic method).
constexpr auto kPeInternal = kit::Join(
    std::to_array<ControlDesign>({kit::Frame(kTab0, "Frame31", 0, {kFrameLeft, 360, kFrameWidth, 3780},
                                             "Internal insulation (Deterministic method)")}),
    Formula({7, 181, 178, 179, 180}, kPeInt, 270, 0),
    Choices(GroupFrame(kPeInt, "Frame36", 5, 810), {67, kEnterKcd}, {66, kCalculateKcd}),
    Units({6, 68, 173, 171, 69, 172, 170}, kPeInt, 1320),
    EnterK(243, 242, kPeInt, 1410),
    std::to_array<ControlDesign>({OkButton(kPeInt, 28, kBoxLeft, 1830)}),
    EnterUe2(84, 85, 86, kPeInt, 1830),
    std::to_array<ControlDesign>({OkButton(kPeInt, 12, kBoxLeft, 2220)}),
    Ratio(PhaseToEarthRatio(0, 48, 49, 50, 51, 52, 47, 53, 46), kPeInt, 2820),
    UcwRow(54, 55, 56, kPeInt, 3360));

// Tab 0, external insulation: the method, then the factor typed or calculated.
// The R line, the typed factor and the Ue2 line share one place.
constexpr auto kPeExternal = kit::Join(
    std::to_array<ControlDesign>({kit::Frame(kTab0, "Frame31", 1, {kFrameLeft, 4200, kFrameWidth, 4380},
                                             "External insulation")
                                      .hidden()}),
    Choices(GroupFrame(kPeExt, "Frame36", 7, 360), {70, "Deterministic method"}, {71, "Statistical method"}),
    Formula({8, 185, 182, 183, 184}, kPeExt, 840, platform::Hidden),
    Choices(GroupFrame(kPeExt, "Frame36", 9, 1230).hidden(), {74, kEnterKcd}, {75, kCalculateKcd}),
    Units({8, 73, 176, 174, 72, 177, 175}, kPeExt, 1710),
    Risk({57, 10, 58, 59, 60}, kPeExt, 2250),
    EnterK(245, 244, kPeExt, 2250),
    EnterUe2(248, 247, 246, kPeExt, 2250),
    std::to_array<ControlDesign>({OkButton(kPeExt, 29, kBoxLeft, 2640), RiskHint(61, kPeExt, 2640),
                                  OkButton(kPeExt, 30, kBoxLeft, 2640)}),
    UcwRow(62, 63, 64, kPeExt, 3060),
    Ratio(PhaseToEarthRatio(3, 255, 254, 253, 252, 251, 256, 250, 249), kPeExt, 3360),
    TabButtons(kTab0, 8, 9));

// Tab 1, internal insulation (Deterministic method).
constexpr auto kPpInternal = kit::Join(
    std::to_array<ControlDesign>({kit::Frame(kTab1, "Frame31", 2, {kFrameLeft, 360, kFrameWidth, 3240},
                                             "Internal insulation (Deterministic method)")}),
    Formula({9, 189, 186, 187, 188}, kPpInt, 270, 0),
    Choices(GroupFrame(kPpInt, "Frame36", 10, 810), {76, kEnterKcd}, {77, kCalculateKcd}),
    Choices(GroupFrame(kPpInt, "Frame34", platform::kNoIndex, 1320).hidden(), {43, kReenergization},
            {42, kEnergization}),
    EnterK(258, 257, kPpInt, 1410),
    std::to_array<ControlDesign>({OkButton(kPpInt, 31, kBoxLeft, 1830)}),
    Ratio(PhaseToPhaseRatio(1, 74, 73, 72, 71, 70, 75, 69, 66), kPpInt, 2070),
    UcwRow(68, 67, 65, kPpInt, 2790));

// Tab 1, external insulation, by the method of the phase-to-earth tab.
// The typed factor and the R line share one place.
constexpr auto kPpExternal = kit::Join(
    std::to_array<ControlDesign>({kit::Frame(kTab1, "Frame31", 3, {kFrameLeft, 3660, kFrameWidth, 3540},
                                             "External insulation (Statistical method)")
                                      .hidden()}),
    Choices(GroupFrame(kPpExt, "Frame36", 11, 360), {79, "Deterministic method"}, {78, "Statistical method"}),
    Formula({10, 193, 190, 191, 192}, kPpExt, 840, platform::Hidden),
    Choices(GroupFrame(kPpExt, "Frame36", 12, 1230), {83, kEnterKcd}, {82, kCalculateKcd}),
    Choices(GroupFrame(kPpExt, "Frame36", 13, 1710).hidden(), {80, kReenergization}, {81, kEnergization}),
    EnterK(260, 259, kPpExt, 2130),
    std::to_array<ControlDesign>({OkButton(kPpExt, 32, kBoxLeft, 2580)}),
    Risk({83, 11, 82, 81, 79}, kPpExt, 2130),
    std::to_array<ControlDesign>({RiskHint(80, kPpExt, 2610)}),
    Ratio(PhaseToPhaseRatio(4, 261, 262, 263, 264, 265, 271, 266, 268), kPpExt, 2430),
    UcwRow(78, 77, 76, kPpExt, 3090),
    TabButtons(kTab1, 10, 11));

constexpr auto kDesign = kit::Join(kPeInternal, kPeExternal, kPpInternal, kPpExternal);

// The value-store boxes, hidden until their rows show: a typed box a little
// above its caption, a result box locked on light yellow.
constexpr kit::Row TypedBox(int slot, Place p, int left, int captionTop, int maxLength) {
  return kit::Box(p, slot, {left, captionTop - kBoxRaise, kBoxWidth, 285}).hidden().length(maxLength);
}
constexpr kit::Row ResultBox(int slot, Place p, int left, int top, int maxLength) {
  return kit::Box(p, slot, {left, top, kBoxWidth, 285})
      .hidden()
      .length(maxLength)
      .readOnly();
}
// The ratio and factor boxes are centred on the fraction bar.
constexpr int RatioBoxTop(int bar) { return bar - 150; }

constexpr int kFactor = 4, kVoltage = 6;

constexpr auto kBoxes = std::to_array<ControlDesign>({
    ResultBox(UpsUe2RatioPe, kPeInt, kRatioLeft, RatioBoxTop(2820), kFactor),
    ResultBox(KcdPe, kPeInt, kFactorLeft, RatioBoxTop(2820), kFactor),
    ResultBox(UcwSfPeIntCalc, kPeInt, kBoxLeft, 3360, kVoltage),
    TypedBox(RiskPe, kPeExt, kBoxLeft, 2250, kVoltage),
    ResultBox(KcsPe, kPeExt, 7260, 2250 - kBoxRaise, kFactor),
    ResultBox(UcwSfPeExtCalc, kPeExt, kBoxLeft, 3060, kVoltage),
    ResultBox(UcwSfPpIntCalc, kPpInt, kBoxLeft, 2790, kVoltage),
    ResultBox(KcdPp, kPpInt, kFactorLeft, RatioBoxTop(2070), kFactor),
    ResultBox(UpsUp2RatioPp, kPpInt, kRatioLeft, RatioBoxTop(2070), kFactor),
    ResultBox(UcwSfPpExtCalc, kPpExt, kBoxLeft, 3090, kVoltage),
    ResultBox(KcsPp, kPpExt, 7260, 2130 - kBoxRaise, kFactor),
    TypedBox(RiskPp, kPpExt, kBoxLeft, 2130, kVoltage),
    TypedBox(Ue2PeCwInt, kPeInt, kBoxLeft, 1830, kVoltage),
    TypedBox(KcdPeEntered, kPeInt, kBoxLeft, 1410, kFactor),
    TypedBox(FactorPeExtEntered, kPeExt, kBoxLeft, 2250, kFactor),
    TypedBox(Ue2PeCwExt, kPeExt, kBoxLeft, 2250, kVoltage),
    ResultBox(KcdPeExt, kPeExt, kFactorLeft, RatioBoxTop(3360), kFactor),
    ResultBox(UpsUe2RatioPeExt, kPeExt, kRatioLeft, RatioBoxTop(3360), kFactor),
    TypedBox(KcdPpEntered, kPpInt, kBoxLeft, 1410, kFactor),
    TypedBox(FactorPpExtEntered, kPpExt, kBoxLeft, 2130, kFactor),
    ResultBox(UpsUp2RatioPpExt, kPpExt, kRatioLeft, RatioBoxTop(2430), kFactor),
    ResultBox(KcdPpExt, kPpExt, kFactorLeft, RatioBoxTop(2430), kFactor),
});

}  // namespace

std::span<const ControlDesign> SlowFrontTabs::Design() { return kDesign; }
std::span<const ControlDesign> SlowFrontTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace coordination
