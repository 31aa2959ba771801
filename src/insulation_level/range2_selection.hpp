#pragma once
// The standard insulation level above 245 kV: the page "Standard insulation
// level" opened and laid out by range, the internal level selected at once,
// the external one by the user's choice of mode, alone or with the
// minimum air clearances.

#include <span>

#include "frame/dependencies.hpp"
#include "insulation_level/level_selection.hpp"

namespace insulation_level {

class Range2Selection : public LevelSelection {
 public:
  using LevelSelection::LevelSelection;
  void DeclareRoutes(frame::Routes& routes);
  static std::span<const frame::Dependency> Dependencies();

  void OpenStandardLevelPage();
  // Returns whether the level was selected.
  bool SelectRange2ExtLevel();
  void SelectRange2ExtLevelWithClearances();

 private:
  void LayOutRange1();
  void LayOutRange2();
  void SelectRange2IntLevel();
};

}  // namespace insulation_level
