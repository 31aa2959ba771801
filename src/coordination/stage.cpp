#include "coordination/stage.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"

namespace coordination {

Stage::Stage(frame::App& app) : app_(app) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window&) {}

void Stage::DeclareRoutes(frame::Routes&) {}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const { return {}; }

}  // namespace coordination
