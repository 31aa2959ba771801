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

class Session;

using AfterStep = std::function<void(Session&, const Step&)>;

// True when every step passed. AFTER runs after every step once the program has started.
bool Run(const Script& script, std::ostream& out, const AfterStep& after = {});

inline bool RunFile(const std::string& file, std::ostream& out, const AfterStep& after = {}) {
  return Run(Load(file), out, after);
}

}  // namespace scenario
