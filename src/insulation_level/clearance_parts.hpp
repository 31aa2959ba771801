#pragma once
// The captions of the clearance lines belong to the clearance calculations,
// which lay them out; the level selection hides whichever of them the page holds.

namespace frame {
class App;
}

namespace insulation_level {

// Hides Label4(first) to Label4(last), each as far as the page holds it.
void HideClearanceCaptions(frame::App& app, int first, int last);

}  // namespace insulation_level
