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
// The four-character cut of `text` as a results cell shows it, made on the
// scratch box so that the box the text came from keeps it. A cut that would
// change a number's magnitude is not made: a number in exponent form is shown
// whole, one whose integer part is longer than four characters shows that
// integer part whole.
std::string FourCharsCopy(Module1& g, const std::string& text, platform::Control& scratch);
// s is a plain number text ("." point). Returns false, writing nothing, when
// the value cannot be held in eight characters of fixed-point text; the caller
// then refuses the step.
bool FormatFixedPoint(Module1& g, const std::string& s, platform::Control& box);

}  // namespace frame
