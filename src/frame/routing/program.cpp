#include "frame/routing/program.hpp"

#include "frame/routing/routing.hpp"

namespace program {

Program::Program(platform::Platform& platform) : app(platform), tov(app) {
  procedures.add("RestartProgram", [this] { app.RestartProgram(); });
  procedures.add("ExitProgram", [this] { app.ExitProgram(); });
  procedures.add("PrintScreen", [this] { app.PrintScreen(); });
  tov.Register(procedures);
  app.stageValueStoreRows.push_back(tov.ValueStoreRows());
  app.buildStages = [this](platform::Window& w) { tov.Build(w); };
  app.bindRouting = [this](platform::Window& w) { routing.Bind(w); };
}

}  // namespace program
