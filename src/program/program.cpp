#include "program/program.hpp"

#include "frame/stage.hpp"
#include "frame/value_store.hpp"
#include "coordination/stage.hpp"
#include "insulation_level/stage.hpp"
#include "required/stage.hpp"
#include "surge/stage.hpp"
#include "tov/stage.hpp"

namespace program {

Program::Program(platform::Platform& platform) : app(platform) {
  // The stages in the order of the procedure; adding a stage is one line here.
  stages_.push_back(std::make_unique<tov::Stage>(app));
  stages_.push_back(std::make_unique<surge::Stage>(app));
  stages_.push_back(std::make_unique<coordination::Stage>(app));
  stages_.push_back(std::make_unique<required::Stage>(app));
  stages_.push_back(std::make_unique<insulation_level::Stage>(app));

  routes.setOwner("frame");
  app.DeclareRoutes(routes);
  for (const auto& stage : stages_) {
    routes.setOwner(stage->Name());
    stage->DeclareRoutes(routes);
    app.stages.push_back(stage.get());
    for (std::span<const frame::Dependency> rows : stage->Dependencies()) app.dependencies.Declare(rows);
  }
  // The tables are the same for every program of the process: the tests and
  // the audit's copies make many, and the first one checks them.
  static const bool checked = [this] {
    routes.Check();
    frame::CheckValueStoreRows(app.stages);
    return true;
  }();
  (void)checked;
  app.routes = &routes;
}

Program::~Program() = default;

}  // namespace program
