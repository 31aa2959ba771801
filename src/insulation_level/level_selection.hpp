#pragma once
// What a level selection of either range works with: the main window's
// boxes, the fit marks of the searches and the requirement variables.

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace insulation_level {

struct IecFits;
struct LevelVars;

class LevelSelection {
 public:
  LevelSelection(frame::App& app, IecFits& fits, LevelVars& vars) : app_(app), fits_(fits), vars_(vars) {}

 protected:
  frame::App& app_;
  IecFits& fits_;
  LevelVars& vars_;
};

}  // namespace insulation_level
