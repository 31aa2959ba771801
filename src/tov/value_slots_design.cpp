#include "tov/stage.hpp"

namespace tov {

std::span<const platform::ControlDesign> Stage::ValueStoreRows() { return {}; }

}  // namespace tov
