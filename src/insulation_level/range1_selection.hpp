#pragma once
// The standard insulation level up to 245 kV: the internal and external
// levels, each a short-duration power-frequency and a lightning impulse
// withstand voltage, and the minimum standard lightning levels of internal
// insulation; with the clearances, also the frame of the minimum air
// clearances and whether the conductor structure may be asked for.

#include <span>

#include "frame/dependencies.hpp"
#include "insulation_level/level_selection.hpp"

namespace insulation_level {

class Range1Selection : public LevelSelection {
 public:
  using LevelSelection::LevelSelection;
  void DeclareRoutes(frame::Routes& routes);
  static std::span<const frame::Dependency> Dependencies();

  // Returns whether the levels were selected.
  bool SelectRange1StandardLevel();
  void SelectRange1LevelWithClearances();

 private:
  void Refuse();
};

}  // namespace insulation_level
