#pragma once
// What the factor pages do alike with their entry frames.
//
// Choosing one of two sets of rows in a frame of a factor page: the factor or
// the Urp lines under "Enter", or one case of the data under "Calculate". The
// chosen rows come up empty in their frame, the other set and the frames of
// the other ways go, and the frame's "OK" waits hidden by the last box of the
// set until the box checks show it. The page then takes its results down.

#include <optional>

#include "frame/control_ref.hpp"
#include "platform/control.hpp"
#include "tov/factor_formulas.hpp"

namespace frame {
class App;
}

namespace tov {

struct RowChoice {
  frame::ControlRef frame;
  frame::ControlRefs rows;         // shown: the captions and boxes of the chosen set
  frame::ControlRefs otherRows;    // hidden
  frame::ControlRefs boxes;        // emptied: every box of the frame
  frame::ControlRef ok;
  frame::ControlRef lastBox;
  bool okBeside;                   // beside a set's one box, else below its last box
  frame::ControlRefs otherFrames;  // hidden
};

void OpenRows(frame::App& app, const RowChoice& choice);

// A factor or Urp typed into an entry frame, read as the value store reads
// it. When it is no number, the box is emptied after the group message and
// there is nothing.
std::optional<double> ReadEnteredNumber(frame::App& app, platform::Control& box);

// The two Urp values typed into an entry frame, read as the value store reads
// them. When either is no number, both boxes are emptied after the group
// message and there is nothing.
std::optional<UrpPair> ReadEnteredUrp(frame::App& app, platform::Control& pe, platform::Control& pp);

}  // namespace tov
