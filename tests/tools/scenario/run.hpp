#pragma once
// Running a scenario against the headless program: each `start` begins a
// fresh process, each failed step prints one line to OUT, and the run passes
// when no step failed. A test program may look at the program after every
// step, for checks of its own that hold in every state.

#include <functional>
#include <iosfwd>
#include <string>

#include "scenario/script.hpp"

namespace scenario {

class Front;
class Session;

using AfterStep = std::function<void(Session&, const Step&)>;

// True when every step passed. AFTER runs after every step once the program
// has started. Without a front, the steps act on and read the model itself.
bool Run(const Script& script, std::ostream& out, Front& front, const AfterStep& after = {});
bool Run(const Script& script, std::ostream& out, const AfterStep& after = {});

inline bool RunFile(const std::string& file, std::ostream& out, const AfterStep& after = {}) {
  return Run(Load(file), out, after);
}
inline bool RunFile(const std::string& file, std::ostream& out, Front& front, const AfterStep& after = {}) {
  return Run(Load(file), out, front, after);
}

// A scenario replayed as the road to the states a test of its own looks at:
// as RunFile, but a check of a strip's page flags ("expect SSTab1(4) pages 10")
// is written to OUT without failing the road. The flags spell the strip's
// length, and a page added to a strip fails the scenario's own run, not every
// test that walks its road.
bool RunRoad(const std::string& file, std::ostream& out, Front& front, const AfterStep& after = {});
bool RunRoad(const std::string& file, std::ostream& out, const AfterStep& after = {});

}  // namespace scenario
