#include "insulation_level/stage.hpp"

#include "frame/routes.hpp"
#include "insulation_level/clearance_calculations.hpp"
#include "insulation_level/clearance_designs.hpp"
#include "insulation_level/level_designs.hpp"
#include "insulation_level/level_page_flow.hpp"
#include "insulation_level/range1_selection.hpp"
#include "insulation_level/range2_selection.hpp"
#include "insulation_level/results_tables.hpp"
#include "platform/window.hpp"

namespace insulation_level {

Stage::Stage(frame::App& app)
    : range2_(std::make_unique<Range2Selection>(app, fits_, vars_)),
      range1_(std::make_unique<Range1Selection>(app, fits_, vars_)),
      results_(std::make_unique<ResultsTables>(app)),
      flow_(std::make_unique<LevelPageFlow>(app, *results_)),
      clearances_(std::make_unique<Clearances>(app, fits_, vars_)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  vars_ = {};
  w.createAll(StandardLevelDesign());
  w.createAll(ClearanceFramesDesign());
  w.createAll(ClearanceLinesDesign());
  w.createAll(ResultsDesign());
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  range2_->DeclareRoutes(routes);
  range1_->DeclareRoutes(routes);
  flow_->DeclareRoutes(routes);
  clearances_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  return {StandardLevelValueStoreRows(), ClearanceValueStoreRows(), ClearanceLinesValueStoreRows(),
          ResultsValueStoreRows()};
}

std::vector<std::span<const frame::Dependency>> Stage::Dependencies() const {
  return {Range2Selection::Dependencies(), Range1Selection::Dependencies(), Clearances::Range1Dependencies(),
          Clearances::PeDependencies(), Clearances::PpTableDependencies(), Clearances::PpEquationDependencies()};
}

}  // namespace insulation_level
