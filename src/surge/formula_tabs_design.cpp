// Design of the formula tabs, pages 0 to 2 of SSTab1(2). What the three tabs
// share (option row, entry frame, result line, buttons) is drawn from the role
// table; the formula frames, whose inputs differ, are listed per tab.

#include <array>
#include <vector>

#include "surge/slots.hpp"
#include "surge/formula_display.hpp"
#include "surge/formula_tabs.hpp"

namespace surge {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;
using platform::kLightYellow;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 2;
constexpr int kSubscript = platform::kSubscriptFontSize;

// The frames of the three tabs.
constexpr int kOptionRowTop = 1140;
constexpr int kFramesTop = 1920;
constexpr int kEntryFrameLeft = 240, kFormulaFrameLeft = 5160;
// Inside a formula frame: captions, boxes and the help label beside them.
constexpr int kCaptionLeft = 240, kBoxLeft = 2280;
constexpr int kHelpLeft = 3360, kHelpWidth = 2655;
// The result line and the buttons at the foot of each tab.
constexpr int kResultTop = 5520, kResultCaptionLeft = 5475, kResultBoxLeft = 6960, kResultUnitLeft = 7920;
constexpr int kButtonsTop = 6480, kBackLeft = 10800, kNextLeft = 12360;

constexpr ControlDesign OnTab(Kind kind, const char* name, int index, int page, int left, int top, int width,
                              int height, const char* caption, unsigned flags = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kStrip, .containerIndex = kStripIndex,
          .page = page, .left = left, .top = top, .width = width, .height = height, .caption = caption,
          .flags = flags};
}

constexpr ControlDesign In(Kind kind, const char* name, int index, const char* frame, int frameIndex, int left,
                           int top, int width, int height, const char* caption, unsigned flags = 0,
                           int fontSize = 0) {
  return {.kind = kind, .name = name, .index = index, .container = frame, .containerIndex = frameIndex,
          .left = left, .top = top, .width = width, .height = height, .caption = caption, .flags = flags,
          .fontSize = fontSize};
}

// A field caption of a formula frame and, where it has one, its subscript.
constexpr ControlDesign FieldCaption(const char* name, int index, int frame, int top, int width,
                                     const char* caption) {
  return In(Kind::Label, name, index, "Frame30", frame, kCaptionLeft, top, width, 255, caption, NoWrap);
}
constexpr ControlDesign FieldSubscript(const char* name, int index, int frame, int left, int top, int width,
                                       const char* caption) {
  return In(Kind::Label, name, index, "Frame30", frame, left, top + 60, width, 195, caption, NoWrap, kSubscript);
}
constexpr ControlDesign FrameButton(const char* name, int index, int frame, int left, int top, int width,
                                    const char* caption, unsigned flags = 0) {
  return In(Kind::CommandButton, name, index, "Frame30", frame, left, top, width, 315, caption, flags);
}
constexpr ControlDesign Note(int index, int frame, int top, const char* caption) {
  return In(Kind::Label, "Label33", index, "Frame30", frame, kCaptionLeft, top, 8400, 255, caption);
}

constexpr const char* kLmaxNote = "Lmax = 30m for internal and Lmax = 60 for external insulation";

// Formula I: Upl, c, L and S.
constexpr ControlDesign kFormula1Frame[] = {
    FieldCaption("Label41", 151, 0, 330, 1665, "Enter U      value (kV)"),
    FieldSubscript("Label41", 150, 0, 885, 330, 105, "pl"),
    FieldCaption("Label33", 70, 0, 750, 1590, "Enter c  value (m/μs)"),
    FieldCaption("Label33", 40, 0, 1170, 1350, "Enter L  value (m)"),
    FieldCaption("Label33", 41, 0, 1590, 1620, "Enter S value (kV/μs)"),
    FrameButton("Command28", 1, 0, kBoxLeft, 2010, 900, "OK", Hidden),
    Note(38, 0, 2460, kLmaxNote),
};

// Formula II: Upl, L, Lsp, n and A, and the table of A.
constexpr ControlDesign kFormula2Frame[] = {
    FieldCaption("Label41", 153, 1, 330, 1665, "Enter U      value (kV)"),
    FieldSubscript("Label41", 152, 1, 885, 330, 105, "pl"),
    FieldCaption("Label33", 42, 1, 750, 1350, "Enter L  value (m)"),
    FieldCaption("Label33", 43, 1, 1170, 1560, "Enter L      value (m)"),
    FieldSubscript("Label33", 44, 1, 840, 1170, 165, "sp"),
    FieldCaption("Label33", 45, 1, 1590, 1035, "Enter n value"),
    FieldCaption("Label33", 46, 1, 2010, 1380, "Enter A value (kV)"),
    FrameButton("Command30", platform::kNoIndex, 1, kCaptionLeft, 2430, 1935, "Show table for A"),
    FrameButton("Command28", 3, 1, kBoxLeft, 2430, 900, "OK", Hidden),
    Note(39, 1, 2880, kLmaxNote),
};

// Formula III: BIL and Ks.
constexpr ControlDesign kFormula3Frame[] = {
    FieldCaption("Label33", 48, 2, 330, 1530, "Enter BIL value (kV)"),
    FieldCaption("Label33", 49, 2, 750, 1215, "Enter K     value"),
    FieldSubscript("Label33", 47, 2, 870, 750, 75, "s"),
    Note(50, 2, 1170, "Typical values are Ks = 1,05 for external and Ks = 1,15 for internal insulation"),
    FrameButton("Command28", 5, 2, kBoxLeft, 1590, 900, "OK", Hidden),
};

struct TabLayout {
  Formula formula;
  int firstFormulaLabel;  // Label41 of the formula's first caption
  int formulaFrameHeight;
  std::span<const ControlDesign> formulaFrame;
  int back;  // Command29 "<<Back"
};

constexpr TabLayout kLayouts[] = {
    {Formula::I, 40, 2850, kFormula1Frame, 0},
    {Formula::II, 45, 3270, kFormula2Frame, 2},
    {Formula::III, 51, 2100, kFormula3Frame, 4},
};

void AddTab(std::vector<ControlDesign>& rows, const FormulaTab& tab, const TabLayout& layout) {
  const int p = tab.page;
  DrawFormula(rows, layout.formula,
              {kStrip, kStripIndex, p, 5700, 540, "Label41", layout.firstFormulaLabel, "linFormulaFraction", p});

  // Enter / Calculate / Ignore: a group of their own.
  rows.push_back(OnTab(Kind::Frame, "Frame29", p, p, 240, kOptionRowTop, 13965, 615, ""));
  rows.push_back(In(Kind::OptionButton, "Option1", tab.enterOption, "Frame29", p, 1590, 240, 1185, 255, "Enter"));
  rows.push_back(
      In(Kind::OptionButton, "Option1", tab.calculateOption, "Frame29", p, 6450, 240, 1185, 255, "Calculate"));
  rows.push_back(In(Kind::OptionButton, "Option1", tab.ignoreOption, "Frame29", p, 11310, 240, 1185, 255, "Ignore"));

  // The entry frame: its box comes with the value store.
  const int entryCaption = tab.resultCaption - 1, entryUnit = tab.resultUnit - 1;
  rows.push_back(OnTab(Kind::Frame, "Frame28", p, p, kEntryFrameLeft, kFramesTop, 4695, 1215, "", Hidden));
  rows.push_back(In(Kind::Label, "Label79", entryCaption, "Frame28", p, 240, 420, 1275, 255, "Enter U      value",
                    NoWrap));
  rows.push_back(In(Kind::Label, "Label75", entryCaption, "Frame28", p, 875, 480, 150, 195, "rp", NoWrap, kSubscript));
  rows.push_back(In(Kind::Label, "lblKV", entryUnit, "Frame28", p, 2520, 420, 255, 255, "kV"));
  rows.push_back(In(Kind::CommandButton, "Command28", tab.entryOk, "Frame28", p, 3000, 390, 900, 315, "OK", Hidden));

  // The formula frame, with the help label its captions show.
  rows.push_back(OnTab(Kind::Frame, "Frame30", p, p, kFormulaFrameLeft, kFramesTop, 8925, layout.formulaFrameHeight,
                       "", Hidden));
  rows.insert(rows.end(), layout.formulaFrame.begin(), layout.formulaFrame.end());
  ControlDesign help = In(Kind::Label, "Label85", p, "Frame30", p, kHelpLeft, 330, kHelpWidth, 255, "Shor", Hidden);
  help.foreColor = platform::kBlue;
  rows.push_back(help);

  // The result line: its box comes with the value store.
  rows.push_back(OnTab(Kind::Label, "Label79", tab.resultCaption, p, kResultCaptionLeft, kResultTop, 1440, 255,
                       "           U      value =", Hidden | NoWrap));
  ControlDesign subscript =
      OnTab(Kind::Label, "Label75", tab.resultCaption, p, 6173, kResultTop + 60, 150, 195, "rp", Hidden | NoWrap);
  subscript.fontSize = kSubscript;
  rows.push_back(subscript);
  rows.push_back(OnTab(Kind::Label, "lblKV", tab.resultUnit, p, kResultUnitLeft, kResultTop, 255, 255, "kV", Hidden));

  rows.push_back(OnTab(Kind::CommandButton, "Command29", layout.back, p, kBackLeft, kButtonsTop, 1335, 375, "<<Back"));
  rows.push_back(
      OnTab(Kind::CommandButton, "Command29", tab.next, p, kNextLeft, kButtonsTop, 1335, 375, "Next >>", Disabled));
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  const auto tabs = FormulaTabRoles();
  for (std::size_t i = 0; i < tabs.size(); ++i) AddTab(rows, tabs[i], kLayouts[i]);
  return rows;
}

// The value-store boxes of the tabs.
constexpr ControlDesign Input(int slot, int frame, int top, int maxLength) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30", .containerIndex = frame,
          .left = kBoxLeft, .top = top - 30, .width = 900, .height = 285, .maxLength = maxLength};
}
constexpr ControlDesign Entered(int slot, int frame) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame28", .containerIndex = frame,
          .left = 1560, .top = 390, .width = 900, .height = 285, .maxLength = 6};
}
constexpr ControlDesign Result(int slot, int page) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = kStrip, .containerIndex = kStripIndex,
          .page = page, .left = kResultBoxLeft, .top = kResultTop - 30, .width = 900, .height = 285,
          .flags = Hidden | Locked, .maxLength = 7, .backColor = kLightYellow};
}

constexpr ControlDesign kValueStoreRows[] = {
    Result(UrpFormula1, 0),   Entered(UrpFormula2Entered, 1), Entered(UrpFormula1Entered, 0),
    Input(Formula1S, 0, 1590, 8), Input(Formula1L, 0, 1170, 8), Input(Formula2L, 1, 750, 8),
    Input(Formula2Lsp, 1, 1170, 8), Result(UrpFormula2, 1), Input(Formula2N, 1, 1590, 2),
    Input(Formula2A, 1, 2010, 8), Entered(UrpFormula3Entered, 2), Input(Formula3Bil, 2, 330, 8),
    Input(Formula3Ks, 2, 750, 8), Result(UrpFormula3, 2), Input(Formula1Upl, 0, 330, 8),
    Input(Formula2Upl, 1, 330, 8), Input(Formula1C, 0, 750, 8),
};

}  // namespace

std::span<const ControlDesign> FormulaTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> FormulaTabs::ValueStoreRows() { return kValueStoreRows; }

}  // namespace surge
