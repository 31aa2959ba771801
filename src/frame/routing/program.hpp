#pragma once
// The whole program without a display: the frame, every stage, and the
// routing of the main window's control arrays to the stages' procedures.

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "frame/routing/routing.hpp"
#include "platform/platform.hpp"
#include "tov/stage.hpp"

namespace program {

class Program {
 public:
  explicit Program(platform::Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  frame::App app;
  frame::Procedures procedures;
  tov::Stage tov;
  // The event procedures of the control arrays, also for calls from code
  // such as Option1_Click with an explicit index.
  Routing routing{app, procedures};

  void Main() { app.Main(); }
};

}  // namespace program
