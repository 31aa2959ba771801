#include "tov/factor_flow.hpp"

namespace tov {

void FactorFlow::Build(platform::Window&) {}
void FactorFlow::Register(frame::Procedures&) {}

}  // namespace tov
