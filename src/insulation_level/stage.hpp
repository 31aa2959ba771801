#pragma once
// The standard-insulation-level stage: the page "Standard insulation level"
// (tabGeneral page 3) laid out by range, the selection of the standard
// insulation level from the standard tables, the ways on and back, and the
// results tables of page 4.

#include <memory>

#include "frame/stage.hpp"
#include "insulation_level/level_search.hpp"
#include "insulation_level/level_vars.hpp"

namespace frame {
class App;
}

namespace insulation_level {

class Clearances;
class LevelPageFlow;
class Range1Selection;
class Range2Selection;
class ResultsTables;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  ~Stage() override;
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  const char* Name() const override { return "standard insulation level"; }
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override;
  std::vector<std::span<const frame::Dependency>> Dependencies() const override;

  // The fit marks of the last searches; they outlive a restart.
  const IecFits& fits() const { return fits_; }
  // The requirements of the last selections, kept for the clearances.
  LevelVars& vars() { return vars_; }

 private:
  IecFits fits_;
  LevelVars vars_;
  std::unique_ptr<Range2Selection> range2_;
  std::unique_ptr<Range1Selection> range1_;
  std::unique_ptr<ResultsTables> results_;
  std::unique_ptr<LevelPageFlow> flow_;
  std::unique_ptr<Clearances> clearances_;
};

}  // namespace insulation_level
