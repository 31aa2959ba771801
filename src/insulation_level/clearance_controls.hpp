#pragma once
// The clearance calculations show and hide their lines by runs of indices.

namespace frame {
class App;
}

namespace insulation_level {

// Shows or hides name(first) to name(last), each as far as the page holds it.
void SetRunVisible(frame::App& app, const char* name, int first, int last, bool visible);

}  // namespace insulation_level
