// Design of the formula tabs, pages 0 to 2 of SSTab1(2). What the three tabs
// share (option row, entry frame, result line, buttons) is drawn from the role
// table; the formula frames, whose inputs differ, are listed per tab.

#include <span>
#include <vector>

#include "frame/design_kit.hpp"
#include "surge/formula_display.hpp"
#include "surge/formula_tabs.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using namespace frame::design;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 2;

// The frames of the three tabs.
constexpr int kOptionRowTop = 1140;
constexpr int kFramesTop = 1920;
constexpr int kEntryFrameLeft = 240, kFormulaFrameLeft = 5160;
// Inside a formula frame: captions, boxes and the help label beside them.
constexpr int kCaptionLeft = 240, kBoxLeft = 2280;
constexpr int kHelpLeft = 3360, kHelpWidth = 2655;
// The result line at the foot of each tab.
constexpr int kResultTop = 5520;

// A field caption of a formula frame and, where it has one, its subscript.
constexpr Row FieldCaption(const char* name, int index, int frame, int top, int width, const char* caption) {
  return Label(Inside("Frame30", frame), name, index, {kCaptionLeft, top, width, 255}, caption).nowrap();
}
constexpr Row FieldSubscript(const char* name, int index, int frame, int left, int top, int width,
                             const char* caption) {
  return Subscript(Inside("Frame30", frame), name, index, {left, top + 60, width, 195}, caption);
}
// The "OK" of a formula frame, below its last box.
constexpr Row FormulaOk(int index, int frame, int top) {
  return Button(Inside("Frame30", frame), "Command28", index, {kBoxLeft, top, 900, 315}, "OK").hidden();
}
// A line of advice across a formula frame.
constexpr Row Note(int index, int frame, int top, const char* caption) {
  return Label(Inside("Frame30", frame), "Label33", index, {kCaptionLeft, top, 8400, 255}, caption);
}

constexpr const char* kLmaxNote = "Lmax = 30m for internal and Lmax = 60 for external insulation";

// Formula I: Upl, c, L and S.
constexpr ControlDesign kFormula1Frame[] = {
    FieldCaption("Label41", 151, 0, 330, 1665, "Enter U      value (kV)"),
    FieldSubscript("Label41", 150, 0, 885, 330, 105, "pl"),
    FieldCaption("Label33", 70, 0, 750, 1590, "Enter c  value (m/μs)"),
    FieldCaption("Label33", 40, 0, 1170, 1350, "Enter L  value (m)"),
    FieldCaption("Label33", 41, 0, 1590, 1620, "Enter S value (kV/μs)"),
    FormulaOk(1, 0, 2010),
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
    Button(Inside("Frame30", 1), "Command30", platform::kNoIndex, {kCaptionLeft, 2430, 1935, 315}, "Show table for A"),
    FormulaOk(3, 1, 2430),
    Note(39, 1, 2880, kLmaxNote),
};

// Formula III: BIL and Ks.
constexpr ControlDesign kFormula3Frame[] = {
    FieldCaption("Label33", 48, 2, 330, 1530, "Enter BIL value (kV)"),
    FieldCaption("Label33", 49, 2, 750, 1215, "Enter K     value"),
    FieldSubscript("Label33", 47, 2, 870, 750, 75, "s"),
    Note(50, 2, 1170, "Typical values are Ks = 1,05 for external and Ks = 1,15 for internal insulation"),
    FormulaOk(5, 2, 1590),
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
  const int tabIndex = tab.page;
  const Place page = TabPage(kStrip, kStripIndex, tabIndex);
  DrawFormula(rows, layout.formula,
              {page, 5700, 540, "Label41", layout.firstFormulaLabel, "linFormulaFraction", tabIndex});

  // Enter / Calculate / Ignore: a group of their own.
  const Place options = Inside("Frame29", tabIndex);
  rows.push_back(Frame(page, "Frame29", tabIndex, {240, kOptionRowTop, 13965, 615}, ""));
  rows.push_back(Option(options, tab.enterOption, {1590, 240, 1185, 255}, "Enter"));
  rows.push_back(Option(options, tab.calculateOption, {6450, 240, 1185, 255}, "Calculate"));
  rows.push_back(Option(options, tab.ignoreOption, {11310, 240, 1185, 255}, "Ignore"));

  // The entry frame: its box comes with the value store.
  const Place entry = Inside("Frame28", tabIndex);
  const int entryCaption = tab.resultCaption - 1, entryUnit = tab.resultUnit - 1;
  rows.push_back(Frame(page, "Frame28", tabIndex, {kEntryFrameLeft, kFramesTop, 4695, 1215}, "").hidden());
  rows.push_back(Label(entry, "Label79", entryCaption, {240, 420, 1275, 255}, "Enter U      value").nowrap());
  rows.push_back(Subscript(entry, "Label75", entryCaption, {875, 480, 150, 195}, "rp"));
  rows.push_back(Label(entry, "lblKV", entryUnit, {2520, 420, 255, 255}, "kV"));
  rows.push_back(Button(entry, "Command28", tab.entryOk, {3000, 390, 900, 315}, "OK").hidden());

  // The formula frame, with the help label its captions show.
  rows.push_back(
      Frame(page, "Frame30", tabIndex, {kFormulaFrameLeft, kFramesTop, 8925, layout.formulaFrameHeight}, "").hidden());
  rows.insert(rows.end(), layout.formulaFrame.begin(), layout.formulaFrame.end());
  rows.push_back(Label(Inside("Frame30", tabIndex), "Label85", tabIndex, {kHelpLeft, 330, kHelpWidth, 255}, "Shor")
                     .hidden()
                     .fore(platform::kBlue));

  // The result line: its box comes with the value store.
  DrawUrpLine(rows, page, tab.resultCaption, tab.resultUnit, kResultTop);
  DrawTabButtons(rows, page, layout.back, tab.next);
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  const auto tabs = FormulaTabRoles();
  for (std::size_t i = 0; i < tabs.size(); ++i) AddTab(rows, tabs[i], kLayouts[i]);
  return rows;
}

// The value-store boxes of the tabs: a formula's inputs, the entered Urp and the result.
constexpr Row FormulaInput(int slot, int frame, int top, int maxLength) {
  return Box(Inside("Frame30", frame), slot, {kBoxLeft, top - 30, 900, 285}).length(maxLength);
}
constexpr Row EnteredUrp(int slot, int frame) {
  return Box(Inside("Frame28", frame), slot, {1560, 390, 900, 285}).length(6);
}
constexpr Row Result(int slot, int page) { return UrpLineBox(TabPage(kStrip, kStripIndex, page), slot, kResultTop); }

constexpr ControlDesign kValueStoreRows[] = {
    Result(UrpFormula1, 0),          EnteredUrp(UrpFormula2Entered, 1), EnteredUrp(UrpFormula1Entered, 0),
    FormulaInput(Formula1S, 0, 1590, 8),   FormulaInput(Formula1L, 0, 1170, 8), FormulaInput(Formula2L, 1, 750, 8),
    FormulaInput(Formula2Lsp, 1, 1170, 8), Result(UrpFormula2, 1),            FormulaInput(Formula2N, 1, 1590, 2),
    FormulaInput(Formula2A, 1, 2010, 8),   EnteredUrp(UrpFormula3Entered, 2), FormulaInput(Formula3Bil, 2, 330, 8),
    FormulaInput(Formula3Ks, 2, 750, 8),   Result(UrpFormula3, 2),            FormulaInput(Formula1Upl, 0, 330, 8),
    FormulaInput(Formula2Upl, 1, 330, 8),  FormulaInput(Formula1C, 0, 750, 8),
};

}  // namespace

std::span<const ControlDesign> FormulaTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> FormulaTabs::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace surge
