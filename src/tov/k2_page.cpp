#include "tov/k2_page.hpp"

namespace tov {

void K2Page::Build(platform::Window&) {}
void K2Page::Register(frame::Procedures&) {}

}  // namespace tov
