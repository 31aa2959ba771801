// Design of the tab "Choose Urp value", page 3 of SSTab1(2): four columns of
// candidates, then the chosen one and the strip's last two buttons.

#include <vector>

#include "frame/design_kit.hpp"
#include "surge/choose_urp_tab.hpp"
#include "surge/formula_display.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using namespace frame::design;

constexpr Place kTab = TabPage("SSTab1", 2, 3);

// Columns from the left: Formula I, II, III and the entered value.
constexpr int kColumns = 4;
constexpr int ColumnLeft(int column) { return 480 + column * 3480; }
constexpr int kColumnWidth = 3240;
constexpr int kRowTop = 1860, kBoxOffset = 1800, kUnitOffset = 2760, kSubscriptOffset = 1155;
constexpr int kChosenTop = 3540;

// The entered value's column has no formula; the first column's row caption
// is shorter and stands further right, so both put "U" at the same place.
constexpr int kHeading[kColumns] = {59, 58, 57, 56};
constexpr const char* kHeadingText[kColumns] = {"Formula I", "Formula II", "Formula III", "Entered value"};
constexpr const char* kRowCaption[kColumns] = {"        U      value", "           U      value",
                                               "           U      value", "           U      value"};
constexpr int kRowCaptionOffset[kColumns] = {585, 450, 450, 450};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  int formulaLabel = 0;
  for (int column = 0; column < kColumns; ++column) {
    const int left = ColumnLeft(column);
    rows.push_back(Label(kTab, "Label41", kHeading[column], {left, 480, kColumnWidth, 285}, kHeadingText[column])
                       .bold()
                       .centered()
                       .nowrap());
    if (column < 3) {
      const Formula formula = static_cast<Formula>(column);
      DrawFormula(rows, formula,
                  {kTab, left + 660, 960, "lblChoiceFormula", formulaLabel, "linChoiceFraction", column});
      formulaLabel += FormulaLabelCount(formula);
    }
    const int captionLeft = left + kRowCaptionOffset[column];
    rows.push_back(Label(kTab, "Label79", 6 + column, {captionLeft, kRowTop, left + kBoxOffset - 30 - captionLeft, 255},
                         kRowCaption[column])
                       .nowrap());
    rows.push_back(Subscript(kTab, "Label75", 6 + column, {left + kSubscriptOffset, kRowTop + 60, 150, 195}, "rp"));
    rows.push_back(Label(kTab, "lblKV", 15 + column, {left + kUnitOffset, kRowTop, 255, 255}, "kV"));
    rows.push_back(Button(kTab, "Command28", 6 + column, {left + kBoxOffset, 2340, 900, 315}, "Accept"));
  }

  // The choice: caption and row, hidden until an "Accept".
  rows.push_back(Label(kTab, "Label41", 60, {4920, 3000, 4605, 330}, "Formula I chosen", platform::Underlined)
                     .hidden()
                     .bold()
                     .centered()
                     .font(10)
                     .fore(platform::kPurple));
  DrawUrpLine(rows, kTab, 10, 19, kChosenTop);

  DrawTabButtons(rows, kTab, 7, 6);
  return rows;
}

// A candidate of a column, locked: the choice is made with its "Accept".
constexpr Row Candidate(int slot, int column) {
  return Box(kTab, slot, {ColumnLeft(column) + kBoxOffset, kRowTop - 30, 900, 285})
      .length(7)
      .readOnly();
}

constexpr ControlDesign kValueStoreRows[] = {
    Candidate(UrpChoiceFormula1, 0), Candidate(UrpChoiceFormula2, 1), Candidate(UrpChoiceFormula3, 2),
    Candidate(UrpChoiceEntered, 3),  UrpLineBox(kTab, UrpFfChosen, kChosenTop),
};

}  // namespace

std::span<const ControlDesign> ChooseUrpTab::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> ChooseUrpTab::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace surge
