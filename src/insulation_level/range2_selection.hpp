#pragma once
// The standard insulation level above 245 kV: the page "Standard insulation
// level" opened and laid out by range, the internal level selected at once,
// the external one by the user's choice of mode, alone or with the
// minimum air clearances.

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace insulation_level {

struct IecFits;
struct LevelVars;

class Range2Selection {
 public:
  Range2Selection(frame::App& app, IecFits& fits, LevelVars& vars) : app_(app), fits_(fits), vars_(vars) {}
  void DeclareRoutes(frame::Routes& routes);

  void OpenStandardLevelPage();
  // Returns whether the level was selected.
  bool SelectRange2ExtLevel();
  void SelectRange2ExtLevelWithClearances();

 private:
  void LayOutRange1();
  void LayOutRange2();
  void SelectRange2IntLevel();

  frame::App& app_;
  IecFits& fits_;
  LevelVars& vars_;
};

}  // namespace insulation_level
