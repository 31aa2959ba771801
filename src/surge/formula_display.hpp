#pragma once
// The three fast-front formulas as the tabs draw them: captions with blanks
// where the subscripts go, small labels laid into the blanks, and a fraction
// of two captions over a line. The formula tabs and the choice tab draw the
// same pictures at different places and under different control names.

#include <vector>

#include "platform/design.hpp"

namespace surge {

enum class Formula { I, II, III };

// Where a formula is drawn and what its controls are called: its labels
// `labels`(firstLabel), (firstLabel + 1), ... in drawing order, and its
// fraction line `line`(lineIndex).
struct FormulaPlace {
  const char* container;
  int containerIndex;
  int page;
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

}  // namespace surge
