#include "tov/k3_page.hpp"

namespace tov {

void K3Page::Build(platform::Window&) {}
void K3Page::Register(frame::Procedures&) {}

}  // namespace tov
