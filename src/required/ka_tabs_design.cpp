#include "required/ka_tabs_design.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kInternal = 0, kExternal = 1;

// Places on the tabs.
constexpr int kFormulaLeft = 5880, kFormulaTop = 600;
constexpr int kFrameLeft = 240, kFrameWidth = 13905;
constexpr int kResultsTop = 1200, kResultsHeight = 1800;
constexpr int kChoiceTop = 1080, kEntryTop = 1860, kEntryHeight = 2640, kExtResultsTop = 4680;
// Inside the frames: the result lines, and the drawn formula of Ka right of the altitude inputs.
constexpr int kLineLeft = 1200, kLineBoxLeft = 3600, kLineUnitLeft = 4560;
constexpr int kPeTop = 720, kPpTop = 1200;
constexpr int kKaLeft = 9360, kKaTop = 840;

struct Adder {
  std::vector<ControlDesign>& rows;
  const KaTabsDesign& d;

  ControlDesign& Add(Kind kind, const char* name, int index, const char* container, int containerIndex, int page,
                     int left, int top, int width, int height, const char* caption, unsigned flags) {
    return rows.emplace_back(ControlDesign{.kind = kind, .name = name, .index = index, .container = container,
                                           .containerIndex = containerIndex, .page = page, .left = left,
                                           .top = top, .width = width, .height = height, .caption = caption,
                                           .flags = flags});
  }
  ControlDesign& OnTab(Kind kind, const char* name, int index, int page, int left, int top, int width, int height,
                       const char* caption, unsigned flags = 0) {
    return Add(kind, name, index, "SSTab1", d.strip, page, left, top, width, height, caption, flags);
  }
  ControlDesign& In(const char* frame, int frameIndex, Kind kind, const char* name, int index, int left, int top,
                    int width, int height, const char* caption, unsigned flags = 0) {
    return Add(kind, name, index, frame, frameIndex, -1, left, top, width, height, caption, flags);
  }
  // A caption of the strip's own labels, and the subscript in its blank run.
  void Caption(const char* frame, int frameIndex, int index, int left, int top, int width, const char* caption) {
    In(frame, frameIndex, Kind::Label, d.labels, index, left, top, width, 255, caption, NoWrap);
  }
  void Sub(const char* frame, int frameIndex, int index, int left, int top, const char* caption) {
    In(frame, frameIndex, Kind::Label, d.labels, index, left, top + 60, 195, 195, caption, NoWrap).fontSize =
        platform::kSubscriptFontSize;
  }
  void Formula(int page, int index, int width, const char* caption) {
    OnTab(Kind::Label, d.labels, index, page, kFormulaLeft, kFormulaTop, width, 255, caption, NoWrap).foreColor =
        platform::kBlue;
  }
  void FormulaSub(int page, int index, int offset, const char* caption) {
    ControlDesign& sub =
        OnTab(Kind::Label, d.labels, index, page, kFormulaLeft + offset, kFormulaTop + 60, 195, 195, caption, NoWrap);
    sub.fontSize = platform::kSubscriptFontSize;
    sub.foreColor = platform::kBlue;
  }
  // "For ... insulation Ks = ... hence :" and the two result lines, from label `first` on.
  void Results(int frame, int first, const char* heading, int subscriptOffset) {
    Caption("Frame30", frame, first, kKaCaptionLeft, 240, 3600, heading);
    Sub("Frame30", frame, first + 1, kKaCaptionLeft + subscriptOffset, 240, "s");
    Caption("Frame30", frame, first + 2, kLineLeft, kPeTop, 2160, "U      (phase to earth) = ");
    Sub("Frame30", frame, first + 3, kLineLeft + 190, kPeTop, "rw");
    Caption("Frame30", frame, first + 4, kLineUnitLeft, kPeTop, 285, "kV");
    Caption("Frame30", frame, first + 5, kLineLeft, kPpTop, 2160, "U      (phase to phase) = ");
    Sub("Frame30", frame, first + 6, kLineLeft + 190, kPpTop, "rw");
    Caption("Frame30", frame, first + 7, kLineUnitLeft, kPpTop, 285, "kV");
  }
};

}  // namespace

void AddKaTabs(std::vector<ControlDesign>& rows, const KaTabsDesign& d) {
  Adder a{rows, d};
  // Internal insulation: Urw = Ks Ucw and the two results.
  a.Formula(kInternal, 0, 1560, "U      = K       U");
  a.FormulaSub(kInternal, 1, 187, "rw");
  a.FormulaSub(kInternal, 2, 771, "s");
  a.FormulaSub(kInternal, 3, 1110, "cw");
  a.OnTab(Kind::Frame, "Frame30", d.internalFrame, kInternal, kFrameLeft, kResultsTop, kFrameWidth, kResultsHeight,
          "");
  a.Results(d.internalFrame, 4, "For internal insulation K   =1,15 hence :", 1763);

  // External insulation: Urw = Ka Ks Ucw and the choice of Ka.
  a.Formula(kExternal, 12, 2160, "U      = K       K       U");
  a.FormulaSub(kExternal, 13, 187, "rw");
  a.FormulaSub(kExternal, 14, 764, "a");
  a.FormulaSub(kExternal, 15, 1197, "s");
  a.FormulaSub(kExternal, 16, 1670, "cw");
  a.OnTab(Kind::Frame, "Frame36", d.choiceFrame, kExternal, kFrameLeft, kChoiceTop, kFrameWidth, 615, "");
  a.In("Frame36", d.choiceFrame, Kind::OptionButton, "Option1", d.enterKa, 600, 240, 4200, 255,
       "Enter atmospheric correction factor (Ka)");
  a.In("Frame36", d.choiceFrame, Kind::OptionButton, "Option1", d.calculateKa, 7200, 240, 4200, 255,
       "Calculate atmospheric correction factor (Ka)");

  // The typed Ka.
  a.OnTab(Kind::Frame, "Frame28", d.kaFrame, kExternal, kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight, "",
          Hidden);
  a.Caption("Frame28", d.kaFrame, 17, kKaCaptionLeft, 360, 1800, "Enter K      value");
  a.Sub("Frame28", d.kaFrame, 18, kKaCaptionLeft + 655, 360, "a");
  a.In("Frame28", d.kaFrame, Kind::Label, "Label33", d.kaNote, kKaBoxLeft + 1080, 360, 2400, 255,
       "Ka = 1 at sea level", NoWrap);
  a.In("Frame28", d.kaFrame, Kind::CommandButton, "Command28", d.kaOk, kKaBoxLeft, 780, 900, 315, "OK", Hidden);

  // Ka from the altitude: the frame, and Ka = e^(m H / 8150) drawn in it.
  a.OnTab(Kind::Frame, "Frame30", d.altitudeFrame, kExternal, kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight, "",
          Hidden);
  AddKaFormula(rows, d.altitudeFrame, d.kaFormula, d.kaLine);

  // The results.
  a.OnTab(Kind::Frame, "Frame30", d.resultsFrame, kExternal, kFrameLeft, kExtResultsTop, kFrameWidth,
          kResultsHeight, "", Hidden);
  a.Results(d.resultsFrame, 19, "For external insulation K   =1,05 hence :", 1810);
}

void AddKaFormula(std::vector<ControlDesign>& rows, int frame, int first, int line) {
  const auto label = [&](int index, int left, int top, int width, const char* caption) -> ControlDesign& {
    return rows.emplace_back(ControlDesign{.kind = Kind::Label, .name = "Label41", .index = first + index,
                                           .container = "Frame30", .containerIndex = frame, .left = left,
                                           .top = top, .width = width, .height = 255, .caption = caption,
                                           .flags = Hidden | NoWrap, .foreColor = platform::kBlue});
  };
  const auto small = [&](int index, int left, int top, int width, const char* caption) {
    ControlDesign& c = label(index, left, top, width, caption);
    c.height = 195;
    c.fontSize = platform::kSubscriptFontSize;
  };
  label(0, kKaLeft, kKaTop, 510, "K   = e");
  small(1, kKaLeft + 136, kKaTop + 60, 120, "a");
  // The exponent m H / 8150 as a superscript just right of the e: its
  // fraction line level with the top of the e.
  constexpr int kExponentLeft = kKaLeft + 510, kExponentWidth = 330, kLineTop = kKaTop - 30;
  small(2, kExponentLeft + 45, kLineTop - 210, 135, "m");
  small(3, kExponentLeft + 195, kLineTop - 210, 135, "H");
  rows.push_back({.kind = Kind::Line, .name = "Line2", .index = line, .container = "Frame30", .containerIndex = frame,
                  .left = kExponentLeft, .top = kLineTop, .width = kExponentWidth, .height = 0, .flags = Hidden});
  small(4, kExponentLeft, kLineTop + 15, kExponentWidth, "8150");
}

ControlDesign AltitudeText(const KaTabsDesign& d, const char* name, int index, int top, int width,
                           const char* caption) {
  return {.kind = Kind::Label, .name = name, .index = index, .container = "Frame30",
          .containerIndex = d.altitudeFrame, .left = kKaCaptionLeft, .top = top, .width = width, .height = 255,
          .caption = caption, .flags = Hidden | NoWrap};
}

ControlDesign AltitudeInput(const KaTabsDesign& d, int slot, int left, int top, int maxLength) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30",
          .containerIndex = d.altitudeFrame, .left = left, .top = top - 30, .width = 900, .height = 285,
          .flags = Hidden, .maxLength = maxLength};
}

void AddKaTabsBoxes(std::vector<ControlDesign>& rows, const KaTabsDesign& d) {
  const auto result = [&](int slot, int frame, int top) {
    rows.push_back({.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30",
                    .containerIndex = frame, .left = kLineBoxLeft, .top = top - 30, .width = 900, .height = 285,
                    .flags = Locked, .maxLength = 6, .backColor = platform::kLightYellow});
  };
  result(d.intPe, d.internalFrame, kPeTop);
  result(d.intPp, d.internalFrame, kPpTop);
  result(d.extPe, d.resultsFrame, kPeTop);
  result(d.extPp, d.resultsFrame, kPpTop);
  rows.push_back({.kind = Kind::TextBox, .name = "Text1", .index = d.kaBox, .container = "Frame28",
                  .containerIndex = d.kaFrame, .left = kKaBoxLeft, .top = 330, .width = 900, .height = 285,
                  .maxLength = 5});
}

}  // namespace required
