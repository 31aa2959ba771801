#pragma once
// The page "Standard insulation level" up to 245 kV, in the frame Frame37(6):
// the internal and external levels, each a short-duration power-frequency and
// a lightning impulse withstand voltage, and the minimum standard lightning
// levels of internal insulation; with the clearances, also the frame of the
// minimum air clearances and whether the conductor structure may be asked
// for; and the ways back to the required withstand voltages and on to the
// results.

#include <span>

#include "insulation_level/level_page.hpp"

namespace insulation_level {

class ResultsTables;

class Range1LevelPage final : public LevelPage {
 public:
  Range1LevelPage(frame::App& app, IecFits& fits, LevelVars& vars, ResultsTables& results)
      : LevelPage(app, fits, vars), results_(results) {}

  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // Returns whether the levels were selected.
  bool SelectRange1StandardLevel();
  void SelectRange1LevelWithClearances();
  void OpenResultsRange1();
  void BackToRequiredFromRange1();

 private:
  static std::span<const platform::ControlDesign> Design();
  void Refuse();

  ResultsTables& results_;
};

}  // namespace insulation_level
