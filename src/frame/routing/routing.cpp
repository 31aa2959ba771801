#include "frame/routing/routing.hpp"

namespace program {

void BindRouting(platform::Window&, frame::App&, const frame::Procedures&) {}

}  // namespace program
