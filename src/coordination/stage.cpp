#include "coordination/stage.hpp"

#include "coordination/coordination_factors.hpp"
#include "frame/routes.hpp"

namespace coordination {

Stage::Stage(frame::App& app)
    : factors_(std::make_unique<CoordinationFactors>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window&) { factors_->Reset(); }

void Stage::DeclareRoutes(frame::Routes&) {}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const { return {}; }

}  // namespace coordination
