#pragma once
// The event procedures of the main window's control arrays. Each looks the
// element's index up in its table and runs the procedure the table names.

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "platform/window.hpp"

namespace program {

void BindRouting(platform::Window& main, frame::App& app, const frame::Procedures& procedures);

}  // namespace program
