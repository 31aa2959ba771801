#pragma once
// What the tabs of the formula strip SSTab1(2) draw alike: the three
// fast-front formulas (captions with blanks where the subscripts go, small
// labels laid into the blanks, and a fraction of two captions over a line),
// the line that shows a Urp, and the buttons at the foot of a tab. The
// formula tabs and the choice tab draw them at different places and under
// different control names.

#include <vector>

#include "frame/design_kit.hpp"

namespace surge {

enum class Formula { I, II, III };

// Where a formula is drawn and what its controls are called: its labels
// `labels`(firstLabel), (firstLabel + 1), ... in drawing order, and its
// fraction line `line`(lineIndex).
struct FormulaPlace {
  frame::design::Place tab;
  int left, top;  // of the formula's first caption, in twips
  const char* labels;
  int firstLabel;
  const char* line;
  int lineIndex;
};

// Appends the design rows of a formula drawn at a place.
void DrawFormula(std::vector<platform::ControlDesign>& rows, Formula formula, const FormulaPlace& place);

// How many labels a formula is drawn with.
int FormulaLabelCount(Formula formula);

// "Urp value =" and its unit on the line at `top`, hidden until a Urp stands
// in the box between them: Label79(caption), Label75(caption) and lblKV(unit).
void DrawUrpLine(std::vector<platform::ControlDesign>& rows, frame::design::Place tab, int caption, int unit,
                 int top);

// The box of that line, Text1(slot): locked, and hidden with the line.
constexpr frame::design::Row UrpLineBox(frame::design::Place tab, int slot, int top) {
  return frame::design::Box(tab, slot, {6960, top - 30, 900, 285})
      .hidden()
      .length(7)
      .readOnly();
}

// "<<Back" and "Next >>" at the foot of a tab: Command29(back) and Command29(next).
void DrawTabButtons(std::vector<platform::ControlDesign>& rows, frame::design::Place tab, int back, int next);

}  // namespace surge
