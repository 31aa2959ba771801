#include "tov/k4_page.hpp"

namespace tov {

void K4Page::Build(platform::Window&) {}
void K4Page::Register(frame::Procedures&) {}

}  // namespace tov
