// Design of the temporary-overvoltage strip SSTab1(7). The internal tab
// shows its formula and, in Frame30(5), the two results. The external tab
// shows its formula, the choice of an entered or a calculated Ka in
// Frame36(1), and below it either the Ka entry Frame28(3) or the altitude and
// exponent Frame30(6) with the drawn formula of Ka beside it; the results
// frame Frame30(7) comes last, hidden until an "OK" has calculated.

#include <array>

#include "required/rw_slots.hpp"
#include "required/rw_tov_tabs.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 7;
constexpr int kInternal = 0, kExternal = 1;
constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr ControlDesign OnTab(Kind kind, const char* name, int index, int page, int left, int top, int width,
                              int height, const char* caption, unsigned flags = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kStrip, .containerIndex = kStripIndex,
          .page = page, .left = left, .top = top, .width = width, .height = height, .caption = caption,
          .flags = flags};
}
constexpr ControlDesign In(Kind kind, const char* name, int index, const char* frame, int frameIndex, int left,
                           int top, int width, int height, const char* caption, unsigned flags = 0) {
  return {.kind = kind, .name = name, .index = index, .container = frame, .containerIndex = frameIndex,
          .left = left, .top = top, .width = width, .height = height, .caption = caption, .flags = flags};
}
// A label of the tab and the subscript laid into its caption's blank run.
constexpr ControlDesign TabText(int index, int page, int left, int top, int width, const char* caption,
                                unsigned flags = NoWrap) {
  return OnTab(Kind::Label, "Label87", index, page, left, top, width, 255, caption, flags);
}
constexpr ControlDesign TabSub(int index, int page, int left, int top, const char* caption, unsigned flags = 0) {
  ControlDesign d = OnTab(Kind::Label, "Label87", index, page, left, top + 60, 195, 195, caption, NoWrap | flags);
  d.fontSize = kSubscript;
  return d;
}
constexpr ControlDesign Text(const char* name, int index, const char* frame, int frameIndex, int left, int top,
                             int width, const char* caption, unsigned flags = NoWrap) {
  return In(Kind::Label, name, index, frame, frameIndex, left, top, width, 255, caption, flags);
}
constexpr ControlDesign Sub(int index, const char* frame, int frameIndex, int left, int top, const char* caption) {
  ControlDesign d = In(Kind::Label, "Label87", index, frame, frameIndex, left, top + 60, 195, 195, caption, NoWrap);
  d.fontSize = kSubscript;
  return d;
}
constexpr ControlDesign Blue(ControlDesign d) {
  d.foreColor = platform::kBlue;
  return d;
}

// Places on the tabs.
constexpr int kFormulaLeft = 5880, kFormulaTop = 600;
constexpr int kFrameLeft = 240, kFrameWidth = 13905;
constexpr int kResultsTop = 1200, kResultsHeight = 1800;  // internal results frame
constexpr int kChoiceTop = 1080, kEntryTop = 1860, kEntryHeight = 2640, kExtResultsTop = 4680;
// Inside the frames.
constexpr int kCaptionLeft = 240, kBoxLeft = 2640, kUnitLeft = 3600;
constexpr int kLineLeft = 1200, kLineBoxLeft = 3600, kLineUnitLeft = 4560;
constexpr int kPeTop = 720, kPpTop = 1200;
// The drawn formula of Ka in the altitude frame, right of its inputs.
constexpr int kKaLeft = 9360, kKaTop = 840;

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Internal insulation: Urw = Ks Ucw and the two results.
    Blue(TabText(0, kInternal, kFormulaLeft, kFormulaTop, 1560, "U      = K       U")),
    Blue(TabSub(1, kInternal, kFormulaLeft + 187, kFormulaTop, "rw")),
    Blue(TabSub(2, kInternal, kFormulaLeft + 764, kFormulaTop, "s")),
    Blue(TabSub(3, kInternal, kFormulaLeft + 1110, kFormulaTop, "cw")),
    OnTab(Kind::Frame, "Frame30", 5, kInternal, kFrameLeft, kResultsTop, kFrameWidth, kResultsHeight, ""),
    Text("Label87", 4, "Frame30", 5, kCaptionLeft, 240, 3600, "For internal insulation K   =1,15 hence :"),
    Sub(5, "Frame30", 5, kCaptionLeft + 1763, 240, "s"),
    Text("Label87", 6, "Frame30", 5, kLineLeft, kPeTop, 2160, "U      (phase to earth) = "),
    Sub(7, "Frame30", 5, kLineLeft + 190, kPeTop, "rw"),
    Text("Label87", 8, "Frame30", 5, kLineUnitLeft, kPeTop, 285, "kV"),
    Text("Label87", 9, "Frame30", 5, kLineLeft, kPpTop, 2160, "U      (phase to phase) = "),
    Sub(10, "Frame30", 5, kLineLeft + 190, kPpTop, "rw"),
    Text("Label87", 11, "Frame30", 5, kLineUnitLeft, kPpTop, 285, "kV"),

    // External insulation: Urw = Ka Ks Ucw.
    Blue(TabText(12, kExternal, kFormulaLeft, kFormulaTop, 2160, "U      = K       K       U")),
    Blue(TabSub(13, kExternal, kFormulaLeft + 187, kFormulaTop, "rw")),
    Blue(TabSub(14, kExternal, kFormulaLeft + 764, kFormulaTop, "a")),
    Blue(TabSub(15, kExternal, kFormulaLeft + 1197, kFormulaTop, "s")),
    Blue(TabSub(16, kExternal, kFormulaLeft + 1670, kFormulaTop, "cw")),
    OnTab(Kind::Frame, "Frame36", 1, kExternal, kFrameLeft, kChoiceTop, kFrameWidth, 615, ""),
    In(Kind::OptionButton, "Option1", 48, "Frame36", 1, 600, 240, 4200, 255,
       "Enter atmospheric correction factor (Ka)"),
    In(Kind::OptionButton, "Option1", 49, "Frame36", 1, 7200, 240, 4200, 255,
       "Calculate atmospheric correction factor (Ka)"),

    // The entered Ka.
    OnTab(Kind::Frame, "Frame28", 3, kExternal, kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight, "", Hidden),
    Text("Label87", 17, "Frame28", 3, kCaptionLeft, 360, 1800, "Enter K      value"),
    Sub(18, "Frame28", 3, kCaptionLeft + 655, 360, "a"),
    Text("Label33", 74, "Frame28", 3, kUnitLeft + 120, 360, 2400, "Ka = 1 at sea level"),
    In(Kind::CommandButton, "Command28", 17, "Frame28", 3, kBoxLeft, 780, 900, 315, "OK", Hidden),

    // Ka from the altitude and the exponent.
    OnTab(Kind::Frame, "Frame30", 6, kExternal, kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight, "", Hidden),
    Text("Label33", 68, "Frame30", 6, kCaptionLeft, 360, 1800, "Enter H value (m)", Hidden | NoWrap),
    Text("Label33", 69, "Frame30", 6, kCaptionLeft, 780, 1800, "Enter m value", Hidden | NoWrap),
    In(Kind::CommandButton, "Command28", 16, "Frame30", 6, kBoxLeft, 1200, 900, 315, "OK", Hidden),
    In(Kind::Label, "Label33", 67, "Frame30", 6, kCaptionLeft, 1620, 5400, 1000,
       "For short duration power-frequency withstand voltages\nm=1 for clean insulators\n"
       "m=0,5 for polluted insulators\nm=0,8 for anti-fog designed insulators",
       Hidden),
    Blue(Text("Label85", 5, "Frame30", 6, kUnitLeft + 1200, 360, 4200, "Altitude above sea level", Hidden | NoWrap)),
    // Ka = e^(m H / 8150), drawn.
    Blue(Text("Label41", 220, "Frame30", 6, kKaLeft, kKaTop, 780, "K   = e", Hidden | NoWrap)),
    Blue([] {
      ControlDesign d = In(Kind::Label, "Label41", 221, "Frame30", 6, kKaLeft + 136, kKaTop + 60, 120, 195, "a",
                           Hidden | NoWrap);
      d.fontSize = kSubscript;
      return d;
    }()),
    Blue(Text("Label41", 222, "Frame30", 6, kKaLeft + 780, kKaTop - 420, 165, "m", Hidden | NoWrap)),
    Blue(Text("Label41", 223, "Frame30", 6, kKaLeft + 960, kKaTop - 420, 165, "H", Hidden | NoWrap)),
    In(Kind::Line, "Line2", 8, "Frame30", 6, kKaLeft + 780, kKaTop - 150, 480, 0, "", Hidden),
    Blue(Text("Label41", 224, "Frame30", 6, kKaLeft + 780, kKaTop - 120, 480, "8150", Hidden | NoWrap)),

    // The results.
    OnTab(Kind::Frame, "Frame30", 7, kExternal, kFrameLeft, kExtResultsTop, kFrameWidth, kResultsHeight, "", Hidden),
    Text("Label87", 19, "Frame30", 7, kCaptionLeft, 240, 3600, "For external insulation K   =1,05 hence :"),
    Sub(20, "Frame30", 7, kCaptionLeft + 1810, 240, "s"),
    Text("Label87", 21, "Frame30", 7, kLineLeft, kPeTop, 2160, "U      (phase to earth) = "),
    Sub(22, "Frame30", 7, kLineLeft + 190, kPeTop, "rw"),
    Text("Label87", 23, "Frame30", 7, kLineUnitLeft, kPeTop, 285, "kV"),
    Text("Label87", 24, "Frame30", 7, kLineLeft, kPpTop, 2160, "U      (phase to phase) = "),
    Sub(25, "Frame30", 7, kLineLeft + 190, kPpTop, "rw"),
    Text("Label87", 26, "Frame30", 7, kLineUnitLeft, kPpTop, 285, "kV"),
});

constexpr ControlDesign Result(int slot, int frame, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30", .containerIndex = frame,
          .left = kLineBoxLeft, .top = top - 30, .width = 900, .height = 285, .flags = Locked, .maxLength = 6,
          .backColor = platform::kLightYellow};
}
constexpr ControlDesign Input(int slot, const char* frame, int frameIndex, int top, int maxLength, unsigned flags) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = frame, .containerIndex = frameIndex,
          .left = kBoxLeft, .top = top - 30, .width = 900, .height = 285, .flags = flags, .maxLength = maxLength};
}

constexpr auto kBoxes = std::to_array<ControlDesign>({
    Result(UrwTovPeIntCalc, 5, kPeTop),
    Result(UrwTovPpIntCalc, 5, kPpTop),
    Input(AltitudeTov, "Frame30", 6, 360, 8, Hidden),
    Input(ExponentMTov, "Frame30", 6, 780, 4, Hidden),
    Input(KaTovEntered, "Frame28", 3, 360, 5, 0),
    Result(UrwTovPpExtCalc, 7, kPpTop),
    Result(UrwTovPeExtCalc, 7, kPeTop),
});

}  // namespace

std::span<const ControlDesign> RwTovTabs::Design() { return kDesign; }
std::span<const ControlDesign> RwTovTabs::ValueStoreRows() { return kBoxes; }

}  // namespace required
