#include "tov/factor_help.hpp"

namespace tov {

void FactorHelp::Build(platform::Window&) {}
void FactorHelp::Register(frame::Procedures&) {}

}  // namespace tov
