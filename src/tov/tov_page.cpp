#include "tov/tov_page.hpp"

namespace tov {

void TovPage::Build(platform::Window&) {}
void TovPage::Register(frame::Procedures&) {}

}  // namespace tov
