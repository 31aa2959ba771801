#pragma once
// A requirement of the level selection is the largest of the values that
// several summary boxes of the required-withstand pages hold. A box that
// holds no number gives no requirement: the selection is then refused rather
// than run on a number that is not on screen.

#include <initializer_list>
#include <optional>

namespace frame {
class App;
}

namespace insulation_level {

std::optional<double> Largest(frame::App& app, std::initializer_list<int> slots);

// The refusal of a selection: the group message, and the boxes and labels
// of its result emptied and hidden.
void RefuseSelection(frame::App& app, std::initializer_list<int> results, std::initializer_list<int> labels);

}  // namespace insulation_level
