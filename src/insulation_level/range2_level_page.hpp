#pragma once
// The page "Standard insulation level" above 245 kV, on the strip SSTab1(12):
// the page opened and laid out by range, the internal level selected at once
// on the first inner page, the external one on the second by the user's
// choice of mode, alone or with the minimum air clearances; and the ways
// back to the required withstand voltages, between the inner pages and on to
// the results.

#include <span>

#include "insulation_level/level_page.hpp"

namespace insulation_level {

class ResultsTables;

class Range2LevelPage final : public LevelPage {
 public:
  Range2LevelPage(frame::App& app, IecFits& fits, LevelVars& vars, ResultsTables& results)
      : LevelPage(app, fits, vars), results_(results) {}

  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void OpenStandardLevelPage();
  // Returns whether the level was selected.
  bool SelectRange2ExtLevel();
  void SelectRange2ExtLevelWithClearances();
  void BackToRequiredFromRange2();
  void OpenRange2ExternalTab();
  void OpenResultsRange2();
  void BackToRange2InternalTab();

 private:
  static std::span<const platform::ControlDesign> Design();
  void LayOutRange1();
  void LayOutRange2();
  void SelectRange2IntLevel();
  void WriteDate();
  // The external mode cleared and its frames hidden.
  void ClearRange2ExternalMode();

  ResultsTables& results_;
};

}  // namespace insulation_level
