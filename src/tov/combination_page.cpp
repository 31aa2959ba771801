#include "tov/combination_page.hpp"

namespace tov {

void CombinationPage::Build(platform::Window&) {}
void CombinationPage::Register(frame::Procedures&) {}

}  // namespace tov
