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
#include <vector>

#include "coordination/slow_front_tab_groups.hpp"
#include "coordination/slow_front_tabs.hpp"

namespace coordination {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;
using platform::kBlue;
using platform::kLightYellow;
using platform::kRed;
using platform::kSystemColor;

constexpr int kSubscript = platform::kSubscriptFontSize;
constexpr int kFormulaFontSize = 10;

// Where a control stands: a frame (or option group) by name and index, or a tab of the strip.
struct Place {
  const char* container;
  int containerIndex;
  int page = -1;
};
constexpr Place kTab0{"SSTab1", 4, 0}, kTab1{"SSTab1", 4, 1};
constexpr Place kPeInt{"Frame31", 0}, kPeExt{"Frame31", 1}, kPpInt{"Frame31", 2}, kPpExt{"Frame31", 3};
constexpr Place Group(int index) { return {"Frame36", index}; }

// Columns of every frame.
constexpr int kFrameLeft = 240, kFrameWidth = 13935;
constexpr int kCaptionLeft = 240, kBoxLeft = 2280, kBoxWidth = 900, kAsideLeft = 3300;
constexpr int kOkBesideLeft = 3240;
constexpr int kGroupWidth = 13455, kGroupHeight = 405, kSecondOptionLeft = 6960;
// The rows' subscripts sit this much below their caption.
constexpr int kDrop = 60;
// A typed box stands this much above its caption.
constexpr int kBoxRaise = 30;

constexpr ControlDesign Control(Kind kind, const char* name, int index, Place p, int left, int top, int width,
                                int height, const char* caption, unsigned flags) {
  return {.kind = kind, .name = name, .index = index, .container = p.container, .containerIndex = p.containerIndex,
          .page = p.page, .left = left, .top = top, .width = width, .height = height, .caption = caption,
          .flags = flags};
}

constexpr ControlDesign Caption(int index, Place p, int left, int top, int width, const char* caption,
                                std::uint32_t color = kSystemColor) {
  ControlDesign d = Control(Kind::Label, "Label4", index, p, left, top, width, 255, caption, Hidden | NoWrap);
  d.foreColor = color;
  return d;
}

constexpr ControlDesign Subscript(const char* name, int index, Place p, int left, int top, const char* caption,
                                  unsigned flags = Hidden) {
  ControlDesign d = Control(Kind::Label, name, index, p, left, top, 195, 195, caption, flags | NoWrap);
  d.fontSize = kSubscript;
  return d;
}

constexpr ControlDesign Option(int index, Place p, int left, int width, const char* caption) {
  return Control(Kind::OptionButton, "Option1", index, p, left, 75, width, 255, caption, 0);
}

constexpr ControlDesign Ok(int index, Place p, int left, int top) {
  return Control(Kind::CommandButton, "Command28", index, p, left, top, kBoxWidth, 315, "OK", Hidden);
}

constexpr ControlDesign WayButton(int index, Place tab, bool next) {
  return Control(Kind::CommandButton, "Command29", index, tab, next ? 7380 : 5670, 8700, 1485, 405,
                 next ? "Next >>" : "<<Back", next ? Disabled : 0u);
}

// An option group spanning the frame, without a caption.
constexpr ControlDesign OptionGroup(const char* name, int index, Place frame, int top, unsigned flags) {
  return Control(Kind::Frame, name, index, frame, kCaptionLeft, top, kGroupWidth, kGroupHeight, "", flags);
}

// An option group with its two options side by side.
struct Choice {
  int option;
  const char* caption;
};
constexpr std::array<ControlDesign, 3> Choices(Place group, Place frame, int top, unsigned flags, Choice first,
                                               Choice second) {
  return {OptionGroup(group.container, group.containerIndex, frame, top, flags),
          Option(first.option, group, kCaptionLeft, 3900, first.caption),
          Option(second.option, group, kSecondOptionLeft, 3900, second.caption)};
}
constexpr const char* kEnterKcd = "Enter deterministic co-ordination factor";
constexpr const char* kCalculateKcd = "Calculate deterministic co-ordination factor";
constexpr const char* kReenergization = "Three-phase re-energization";
constexpr const char* kEnergization = "Three-phase energization";

// The formula Ucw = K·Urp in blue, boxed: K's subscript at `k`.
struct FormulaLook {
  int shape, label, cw, k, rp;
};
constexpr std::array<ControlDesign, 5> Formula(const FormulaLook& f, Place p, int top, unsigned flags) {
  ControlDesign shape = Control(Kind::Shape, "Shape1", f.shape, p, kCaptionLeft, top - 60, 1920, 420, "", flags);
  ControlDesign label =
      Control(Kind::Label, "Label41", f.label, p, 450, top, 1500, 285, "U      = K       U", flags | Bold | NoWrap);
  label.fontSize = kFormulaFontSize;
  label.foreColor = kBlue;
  std::array<ControlDesign, 5> a{shape, label, Subscript("Label41", f.cw, p, 660, top + 90, "cw", flags | Bold),
                                 Subscript("Label41", f.k, p, 1336, top + 90, "cd", flags | Bold),
                                 Subscript("Label41", f.rp, p, 1755, top + 90, "rp", flags | Bold)};
  for (std::size_t i = 2; i < a.size(); ++i) a[i].foreColor = kBlue;
  return a;
}

// The unit options of Ue2, each only its button, its caption a label beside it.
struct UnitLook {
  int group, kvOption, kvCaption, kvSubscript, puOption, puCaption, puSubscript;
};
constexpr std::array<ControlDesign, 7> Units(const UnitLook& u, Place frame, int top) {
  const Place g = Group(u.group);
  return {OptionGroup("Frame36", u.group, frame, top, Hidden),
          Option(u.kvOption, g, kCaptionLeft, 255, "Enter U     (kV)"),
          Control(Kind::Label, "Label41", u.kvCaption, g, 510, 75, 1200, 255, "Enter U      (kV)", NoWrap),
          Subscript("Label41", u.kvSubscript, g, 1125, 75 + kDrop, "e2", 0),
          Option(u.puOption, g, 3240, 255, "Enter U     (pu)"),
          Control(Kind::Label, "Label41", u.puCaption, g, 3510, 75, 1200, 255, "Enter U      (pu)", NoWrap),
          Subscript("Label41", u.puSubscript, g, 4125, 75 + kDrop, "e2", 0)};
}

// "Enter   K" with the subscript after the K.
constexpr std::array<ControlDesign, 2> EnterK(int caption, int subscript, Place p, int top) {
  return {Caption(caption, p, kCaptionLeft, top, 1200, "Enter   K         "),
          Subscript("Label4", subscript, p, 960, top + kDrop, "cd")};
}

// "Enter Ue2 value" with what Ue2 means beside the box.
constexpr std::array<ControlDesign, 3> EnterUe2(int caption, int subscript, int meaning, Place p, int top) {
  return {Caption(caption, p, kCaptionLeft, top, 1440, "Enter U      value "),
          Subscript("Label4", subscript, p, 863, top + kDrop, "e2"),
          Caption(meaning, p, kAsideLeft, top, 5880,
                  "Value of phase to earth overvoltage having a 2% probability of being exceeded")};
}

// "Enter R" with its "OK" beside the box, then Kcs and its source on the same line.
struct RiskLook {
  int enter, ok, hence, cs, source;
};
constexpr std::array<ControlDesign, 5> Risk(const RiskLook& r, Place p, int top) {
  return {Caption(r.enter, p, kCaptionLeft, top, 1800, "Enter R (Risk of failure)"),
          Ok(r.ok, p, kOkBesideLeft, top - kBoxRaise),
          Caption(r.hence, p, 4320, top, 2880, "hence from case peak method K       ="),
          Subscript("Label4", r.cs, p, 6780, top + kDrop, "cs"),
          Caption(r.source, p, 8280, top, 3000, "According to IEC 71-2:1996  fig.8,  p.81")};
}

constexpr ControlDesign Hint(int index, Place p, int top) {
  return Caption(index, p, kCaptionLeft, top, 4380, "Typical values for apparatus 0,0001<R<0,0004 per annum", kRed);
}

// The ratio and factor row about its fraction bar at `bar`: the fraction,
// "=", the ratio box, "hence K =", the factor box, the figure it comes from.
struct RatioLook {
  const char* numerator;
  int numeratorLeft, numeratorSubscriptLeft;
  const char* numeratorSubscript;
  const char* denominatorSubscript;
  int line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source;
};
constexpr int kRatioLeft = kBoxLeft, kFactorLeft = 4500;
constexpr std::array<ControlDesign, 9> Ratio(const RatioLook& r, Place p, int bar) {
  ControlDesign line = Control(Kind::Line, "Line6", r.line, p, 1260, bar, 540, 0, "", Hidden);
  return {line,
          Control(Kind::Label, "Label4", r.upper, p, r.numeratorLeft, bar - 225, 255, 225, r.numerator,
                  Hidden | NoWrap),
          Subscript("Label4", r.upperSubscript, p, r.numeratorSubscriptLeft, bar - 225 + kDrop, r.numeratorSubscript),
          Control(Kind::Label, "Label4", r.lower, p, 1395, bar + 30, 150, 225, "U", Hidden | NoWrap),
          Subscript("Label4", r.lowerSubscript, p, 1530, bar + 30 + kDrop, r.denominatorSubscript),
          Caption(r.equals, p, 1920, bar - 120, 150, "="),
          Caption(r.hence, p, kAsideLeft, bar - 120, 1230, "hence   K       ="),
          Subscript("Label4", r.cd, p, 4080, bar - 120 + kDrop, "cd"),
          Caption(r.source, p, 5580, bar - 120, 3000, "According to IEC 71-2:1996  fig.6, p.75")};
}
constexpr RatioLook PhaseToEarthRatio(int line, int upper, int upperSubscript, int lower, int lowerSubscript,
                                      int equals, int hence, int cd, int source) {
  return {"U", 1395, 1530, "ps", "e2", line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source};
}
constexpr RatioLook PhaseToPhaseRatio(int line, int upper, int upperSubscript, int lower, int lowerSubscript,
                                      int equals, int hence, int cd, int source) {
  return {"2U", 1350, 1575, "ps", "p2", line, upper, upperSubscript, lower, lowerSubscript, equals, hence, cd, source};
}

// "Ucw =" and "kV" about the Ucw box.
constexpr std::array<ControlDesign, 3> UcwRow(int caption, int subscript, int unit, Place p, int top) {
  return {Caption(caption, p, 1620, top, 600, "U       ="), Subscript("Label4", subscript, p, 1815, top + kDrop, "cw"),
          Caption(unit, p, 3240, top, 285, "kV")};
}

template <std::size_t N>
void Add(std::vector<ControlDesign>& rows, const std::array<ControlDesign, N>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
}

// Tab 0, internal insulation (Deterministic method).
void AddPeInternal(std::vector<ControlDesign>& rows) {
  const Place p = kPeInt;
  rows.push_back(Control(Kind::Frame, "Frame31", 0, kTab0, kFrameLeft, 360, kFrameWidth, 3780,
                         "Internal insulation (Deterministic method)", 0));
  Add(rows, Formula({7, 181, 178, 179, 180}, p, 270, 0));
  Add(rows, Choices(Group(5), p, 810, 0, {67, kEnterKcd}, {66, kCalculateKcd}));
  Add(rows, Units({6, 68, 173, 171, 69, 172, 170}, p, 1320));
  Add(rows, EnterK(243, 242, p, 1410));
  rows.push_back(Ok(28, p, kBoxLeft, 1830));
  Add(rows, EnterUe2(84, 85, 86, p, 1830));
  rows.push_back(Ok(12, p, kBoxLeft, 2220));
  Add(rows, Ratio(PhaseToEarthRatio(0, 48, 49, 50, 51, 52, 47, 53, 46), p, 2820));
  Add(rows, UcwRow(54, 55, 56, p, 3360));
}

// Tab 0, external insulation: the method, then the factor typed or calculated.
void AddPeExternal(std::vector<ControlDesign>& rows) {
  const Place p = kPeExt;
  rows.push_back(
      Control(Kind::Frame, "Frame31", 1, kTab0, kFrameLeft, 4200, kFrameWidth, 4380, "External insulation", Hidden));
  Add(rows, Choices(Group(7), p, 360, 0, {70, "Deterministic method"}, {71, "Statistical method"}));
  Add(rows, Formula({8, 185, 182, 183, 184}, p, 840, Hidden));
  Add(rows, Choices(Group(9), p, 1230, Hidden, {74, kEnterKcd}, {75, kCalculateKcd}));
  Add(rows, Units({8, 73, 176, 174, 72, 177, 175}, p, 1710));
  // The R line, the typed factor and the Ue2 line share one place.
  Add(rows, Risk({57, 10, 58, 59, 60}, p, 2250));
  Add(rows, EnterK(245, 244, p, 2250));
  Add(rows, EnterUe2(248, 247, 246, p, 2250));
  rows.push_back(Ok(29, p, kBoxLeft, 2640));
  rows.push_back(Hint(61, p, 2640));
  rows.push_back(Ok(30, p, kBoxLeft, 2640));
  Add(rows, UcwRow(62, 63, 64, p, 3060));
  Add(rows, Ratio(PhaseToEarthRatio(3, 255, 254, 253, 252, 251, 256, 250, 249), p, 3360));
  rows.push_back(WayButton(8, kTab0, false));
  rows.push_back(WayButton(9, kTab0, true));
}

// Tab 1, internal insulation (Deterministic method).
void AddPpInternal(std::vector<ControlDesign>& rows) {
  const Place p = kPpInt;
  rows.push_back(Control(Kind::Frame, "Frame31", 2, kTab1, kFrameLeft, 360, kFrameWidth, 3240,
                         "Internal insulation (Deterministic method)", 0));
  Add(rows, Formula({9, 189, 186, 187, 188}, p, 270, 0));
  Add(rows, Choices(Group(10), p, 810, 0, {76, kEnterKcd}, {77, kCalculateKcd}));
  Add(rows, Choices({"Frame34", platform::kNoIndex}, p, 1320, Hidden, {43, kReenergization}, {42, kEnergization}));
  Add(rows, EnterK(258, 257, p, 1410));
  rows.push_back(Ok(31, p, kBoxLeft, 1830));
  Add(rows, Ratio(PhaseToPhaseRatio(1, 74, 73, 72, 71, 70, 75, 69, 66), p, 2070));
  Add(rows, UcwRow(68, 67, 65, p, 2790));
}

// Tab 1, external insulation, by the method of the phase-to-earth tab.
void AddPpExternal(std::vector<ControlDesign>& rows) {
  const Place p = kPpExt;
  rows.push_back(Control(Kind::Frame, "Frame31", 3, kTab1, kFrameLeft, 3660, kFrameWidth, 3540,
                         "External insulation (Statistical method)", Hidden));
  Add(rows, Choices(Group(11), p, 360, 0, {79, "Deterministic method"}, {78, "Statistical method"}));
  Add(rows, Formula({10, 193, 190, 191, 192}, p, 840, Hidden));
  Add(rows, Choices(Group(12), p, 1230, 0, {83, kEnterKcd}, {82, kCalculateKcd}));
  Add(rows, Choices(Group(13), p, 1710, Hidden, {80, kReenergization}, {81, kEnergization}));
  // The typed factor and the R line share one place.
  Add(rows, EnterK(260, 259, p, 2130));
  rows.push_back(Ok(32, p, kBoxLeft, 2580));
  Add(rows, Risk({83, 11, 82, 81, 79}, p, 2130));
  rows.push_back(Hint(80, p, 2610));
  Add(rows, Ratio(PhaseToPhaseRatio(4, 261, 262, 263, 264, 265, 271, 266, 268), p, 2430));
  Add(rows, UcwRow(78, 77, 76, p, 3090));
  rows.push_back(WayButton(10, kTab1, false));
  rows.push_back(WayButton(11, kTab1, true));
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  AddPeInternal(rows);
  AddPeExternal(rows);
  AddPpInternal(rows);
  AddPpExternal(rows);
  return rows;
}

// The value-store boxes, hidden until their rows show.
constexpr ControlDesign Typed(int slot, Place p, int left, int captionTop, int maxLength) {
  ControlDesign d = Control(Kind::TextBox, "Text1", slot, p, left, captionTop - kBoxRaise, kBoxWidth, 285, "", Hidden);
  d.maxLength = maxLength;
  return d;
}
constexpr ControlDesign Shown(int slot, Place p, int left, int top, int maxLength) {
  ControlDesign d = Typed(slot, p, left, top + kBoxRaise, maxLength);
  d.flags |= Locked;
  d.backColor = kLightYellow;
  return d;
}
// The ratio and factor boxes are centred on the fraction bar.
constexpr int RatioBoxTop(int bar) { return bar - 150; }

constexpr int kFactor = 4, kVoltage = 6;

constexpr ControlDesign kBoxes[] = {
    Shown(UpsUe2RatioPe, kPeInt, kRatioLeft, RatioBoxTop(2820), kFactor),
    Shown(KcdPe, kPeInt, kFactorLeft, RatioBoxTop(2820), kFactor),
    Shown(UcwSfPeIntCalc, kPeInt, kBoxLeft, 3360, kVoltage),
    Typed(RiskPe, kPeExt, kBoxLeft, 2250, kVoltage),
    Shown(KcsPe, kPeExt, 7260, 2250 - kBoxRaise, kFactor),
    Shown(UcwSfPeExtCalc, kPeExt, kBoxLeft, 3060, kVoltage),
    Shown(UcwSfPpIntCalc, kPpInt, kBoxLeft, 2790, kVoltage),
    Shown(KcdPp, kPpInt, kFactorLeft, RatioBoxTop(2070), kFactor),
    Shown(UpsUp2RatioPp, kPpInt, kRatioLeft, RatioBoxTop(2070), kFactor),
    Shown(UcwSfPpExtCalc, kPpExt, kBoxLeft, 3090, kVoltage),
    Shown(KcsPp, kPpExt, 7260, 2130 - kBoxRaise, kFactor),
    Typed(RiskPp, kPpExt, kBoxLeft, 2130, kVoltage),
    Typed(Ue2PeCwInt, kPeInt, kBoxLeft, 1830, kVoltage),
    Typed(KcdPeEntered, kPeInt, kBoxLeft, 1410, kFactor),
    Typed(FactorPeExtEntered, kPeExt, kBoxLeft, 2250, kFactor),
    Typed(Ue2PeCwExt, kPeExt, kBoxLeft, 2250, kVoltage),
    Shown(KcdPeExt, kPeExt, kFactorLeft, RatioBoxTop(3360), kFactor),
    Shown(UpsUe2RatioPeExt, kPeExt, kRatioLeft, RatioBoxTop(3360), kFactor),
    Typed(KcdPpEntered, kPpInt, kBoxLeft, 1410, kFactor),
    Typed(FactorPpExtEntered, kPpExt, kBoxLeft, 2130, kFactor),
    Shown(UpsUp2RatioPpExt, kPpExt, kRatioLeft, RatioBoxTop(2430), kFactor),
    Shown(KcdPpExt, kPpExt, kFactorLeft, RatioBoxTop(2430), kFactor),
};

}  // namespace

std::span<const ControlDesign> SlowFrontTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> SlowFrontTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace coordination
