#pragma once
// The few actions the routing performs itself instead of naming a procedure.
// Each touches only controls that exist: a page that is not in the program
// yet simply has nothing to change.

#include "frame/app.hpp"
#include "frame/routing/route.hpp"

namespace program {

void RunInlineAction(frame::App& app, InlineAction action);

}  // namespace program
