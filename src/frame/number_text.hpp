#pragma once
// The number-text helpers of the shared module. Each writes its box once, as
// its last step, so the box's change handling runs on the normalised text.

#include <string>

#include "frame/module1.hpp"
#include "platform/control.hpp"

namespace frame {

void ReplaceDotWithComma(Module1& g, platform::Control& box);
void FormatFiveCharsWithComma(Module1& g, std::string& s, platform::Control& box);
void FormatFourCharsWithComma(Module1& g, platform::Control& box);
// s is a plain number text ("." point). Returns false, writing nothing, when
// the value cannot be held in eight characters of fixed-point text; the caller
// then refuses the step.
bool FormatFixedPoint(Module1& g, const std::string& s, platform::Control& box);

}  // namespace frame
