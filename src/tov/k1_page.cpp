#include "tov/k1_page.hpp"

namespace tov {

void K1Page::Build(platform::Window&) {}
void K1Page::Register(frame::Procedures&) {}

}  // namespace tov
